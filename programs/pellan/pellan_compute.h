// Pellan's Compute handler.
#pragma once

class TfrmTemplate;

namespace pellan {

void cmdComputeClick(TfrmTemplate& worksheet);

}  // namespace pellan
