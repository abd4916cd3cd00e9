#include "framework/core/zMail.h"

uint32_t zMail::send(const char*, const char*) { return notSupported; }

uint32_t zMail::sendTo(const char*, const char*) { return notSupported; }
