// The program's names for the conversion between the screen's code page and the
// model's UTF-8, which lives with the model file's text (xml/SystemText.h) so that
// the dialogs below the program use the same one.
#pragma once

#include "xml/SystemText.h"

namespace PV {
namespace App {

using XML::SystemToUtf8;
using XML::Utf8ToSystem;

}  // namespace App
}  // namespace PV
