#include "pack.h"
namespace art {
static Image Noise(int w, int h) { Image im(w, h, kKeyColour); uint32_t s = uint32_t(w * 31 + h); for (auto& p : im.rgb) { s = s * 1664525u + 1013904223u; p = s >> 8; } return im; }
void BuildSheets(Pack& pack, const std::string&) {
  struct S { const char* n; int w, h; } s[] = {{"VFONT",1002,159},{"VBOX",701,544},{"VLSCROLL",213,167},{"VMSCROLL",187,256},{"VBSCROLL",456,457},{"VLONGSCROLL",456,170},{"VSLATE",640,480},{"VSLATE2",640,480},{"VDEAD",640,480},{"VCHAR",640,480},{"VBOOK",640,480},{"VMAN",217,231},{"VCREDIT",231,203},{"VMODULE",94,1465},{"VWALL",661,3829},{"VMINIWALL",181,1045},{"VMONST",745,3039},{"VEQUIP",807,1520}};
  for (auto& e : s) { Image im = Noise(e.w, e.h); if (std::string(e.n) == "VFONT") for (int r=0;r<6;++r) for(int c=0;c<91;++c) im.Set(11*c+1,19*r+1,kKeyColour); pack.AddSheet(e.n, im); }
}
bool BuildModuleBitmaps(const std::string& d) {
  const char* p[] = {"VexTitle","VexWin1","VexWin2","VexMap","VexMap2","VexMap3","VexMenu"};
  for (auto n : p) if (!WriteBmp(d + "/" + n + ".bmp", Noise(640,480))) return false;
  const char* o[] = {"VexObj","VexObj1","VexObj2","VexObj3","VexObj4"};
  for (auto n : o) if (!WriteBmp(d + "/" + n + ".bmp", Noise(217,231))) return false;
  return WriteBmp(d + "/custom.bmp", Noise(530, 792));
}
}
