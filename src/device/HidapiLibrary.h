// Initialization of the hidapi library shared by every open device. The main
// frame and the screen-parameter dialog may each hold a device open at the
// same time; hid_exit finalizes the library for the whole process, so it runs
// only when the last user releases it.
#pragma once

namespace tessel::HidapiLibrary {

// hid_init for the first user; false when the library cannot be initialized
// (then nothing was acquired).
bool acquire();
// hid_exit after the last user.
void release();

} // namespace tessel::HidapiLibrary
