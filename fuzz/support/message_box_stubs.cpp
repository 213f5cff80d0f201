// The fuzz targets run without a screen: questions are answered yes, messages pass.
#include <cstdint>
#include <string_view>

int Confirm(int16_t, int16_t, std::string_view) { return 1; }
void ShowMessage(int16_t, int16_t, std::string_view, std::string_view) {}
