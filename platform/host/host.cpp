#include "host.h"

#include <cstdio>
#include <cstdlib>

namespace host {
namespace {
Backend* installed = nullptr;
}

void Install(Backend* backend) { installed = backend; }

Backend& Get() {
    if (!installed) {
        std::fprintf(stderr, "host: no back end installed\n");
        std::abort();
    }
    return *installed;
}

}  // namespace host
