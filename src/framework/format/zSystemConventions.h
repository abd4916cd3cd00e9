// The system's conventions for formatted input: the ANSI code page's character classes
// and the number and currency settings of the system profile's "intl" section. The
// window-free formatters answer from ASCII and default settings until these are
// installed; the application object installs them as it starts.
#pragma once

// Once is enough; later calls install the same again.
void zUseSystemConventions();
