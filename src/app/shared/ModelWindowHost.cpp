#include "app/shared/ModelWindowHost.h"

#include "framework/core/zWindow.h"

namespace PV {
namespace App {

ModelWindowHost* modelWindowHostOf(zWindow* window) { return dynamic_cast<ModelWindowHost*>(window); }

}  // namespace App
}  // namespace PV
