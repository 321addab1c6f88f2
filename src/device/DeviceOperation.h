// What an exchange does after the handshake. The value is the code of the
// command sent, except Send, which begins a transfer of the device image.
#pragma once

namespace tessel {

enum class DeviceOperation : int {
    None = 0,
    Search = 2,
    GetScreenParameters = 4, // the screen-parameter exchange only
    SetScreenParameters = 6, // the screen-parameter exchange only
    ClearScreen = 8,
    SetBrightness = 10,
    SetChargeIcon = 12,
    Send = 16,
};

} // namespace tessel
