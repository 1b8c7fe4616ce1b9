// libFuzzer target: any bytes as the settings file. Reading never crashes, usable settings
// are recognised, and the settings write back to bytes that read as the same settings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/state/record_codec.h"
#include "core/state/validation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const tk::Settings settings = tk::DecodeSettings(std::span<const std::uint8_t>(data, size));
    (void)tk::SettingsUsable(settings);
    const tk::Bytes bytes = tk::EncodeSettings(settings);
    if (bytes.size() != tk::kSettingsBytes) std::abort();
    if (!(tk::DecodeSettings(bytes) == settings)) std::abort();
    return 0;
}
