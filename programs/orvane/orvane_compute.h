// Orvane's Compute handler.
#pragma once

class TfrmTemplate;

namespace orvane {

void cmdComputeClick(TfrmTemplate& worksheet);

}  // namespace orvane
