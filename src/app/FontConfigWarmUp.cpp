#include "app/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace app {

FontConfigWarmUp::FontConfigWarmUp() : reader_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() { wait(); }

void FontConfigWarmUp::wait() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace app
