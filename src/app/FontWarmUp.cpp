#include "app/FontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace app {

FontWarmUp::FontWarmUp()
    : reader_([this] {
          FcInit();
          configurationRead_.count_down();
          applicationReady_.wait();
          // Qt holds its font database locked while it builds the list.
          if (buildList_) QFontDatabase::families();
      }) {}

FontWarmUp::~FontWarmUp() {
    if (!applicationSignalled_) applicationReady_.count_down();
    reader_.join();
}

void FontWarmUp::applicationReady() {
    buildList_ = true;
    applicationSignalled_ = true;
    applicationReady_.count_down();
}

void FontWarmUp::waitForConfiguration() { configurationRead_.wait(); }

}  // namespace app
