// A module that holds only resources (an icon) for the icon static's tests.
extern "C" __declspec(dllexport) int controlsTestIconsVersion() { return 1; }
