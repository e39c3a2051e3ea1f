// The preview: one still picture of the effect inside the Display
// Properties monitor, as a child of the window Windows names.
#pragma once

#include <cstdint>

namespace Ondira_R {

// Sets up and shows the preview inside `parent`; ends the process at once
// when there is no such window.
void ShowPreview(std::int32_t parent);

}  // namespace Ondira_R
