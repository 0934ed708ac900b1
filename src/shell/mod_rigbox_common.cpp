#include "shell/mod_rigbox_common.h"

#include "shell/maker.h"
#include "shell/mod_registry_common.h"

namespace tintwell {

namespace {
constexpr const char* kHomePageDirectory = "C:\\";
}  // namespace

int32_t ReadLanguage(Registry& registry) {
  int32_t code = 0;
  const int32_t status =
      RegReadInt(registry, kHkeyCurrentUser, kMakerKeyPath, kLanguageValueName, 0, code);
  return status == kStatusSuccess ? code : kLanguageEnglish;
}

bool WriteLanguage(Registry& registry, int32_t code) {
  return RegWriteInt(registry, kHkeyCurrentUser, kMakerKeyPath, kLanguageValueName, code) ==
         kStatusSuccess;
}

int32_t ReadAppSetting(Registry& registry, const std::string& subKey, const std::string& valueName,
                       int32_t defaultValue) {
  int32_t value = 0;
  const int32_t status =
      RegReadInt(registry, kHkeyCurrentUser, std::string(kMakerKeyPath) + "\\" + subKey, valueName,
                 defaultValue, value);
  return status == kStatusSuccess ? value : defaultValue;
}

int32_t OpenHomePage(Platform& platform) {
  ShellRequest request;
  request.file = kHomepageAddress;
  request.directory = kHomePageDirectory;
  // Hidden: the browser decides how it shows itself.
  request.showCommand = kShowHidden;
  platform.shellExecute(request);
  return 0;
}

}  // namespace tintwell
