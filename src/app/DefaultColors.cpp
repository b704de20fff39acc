#include "app/DefaultColors.h"

namespace quorvex::app {

DefaultColors DefaultColorsForDepth(int colorDepth)
{
    if (colorDepth > 10)
        return {0x30E2FC, 0x73D299, 0xB3B3FF, 0x815F4E, 0xFFF2E6};
    return {0x00FFFF, 0x00FF00, 0xFF00FF, std::nullopt, std::nullopt};
}

} // namespace quorvex::app
