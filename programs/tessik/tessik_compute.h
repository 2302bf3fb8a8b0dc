// Tessik's Compute handler.
#pragma once

class TfrmTemplate;

namespace tessik {

void cmdComputeClick(TfrmTemplate& worksheet);

}  // namespace tessik
