#include "images/FreeImageSession.h"

#include <FreeImage.h>
#include <dlfcn.h>

#include <cstdarg>
#include <initializer_list>

namespace casewright {

namespace {

using TiffMessageHandler = void (*)(const char*, const char*, va_list);
using SetTiffHandler = TiffMessageHandler (*)(TiffMessageHandler);

// The TIFF library the decoder uses reports every unknown private tag on
// standard error, dozens of lines per file. Images are read at every draw and
// their problems are never shown to the user, so those reports are switched
// off. The library is looked up at run time because only the decoder links it.
void silenceTiffDiagnostics() {
    for (const char* setter : {"TIFFSetErrorHandler", "TIFFSetWarningHandler"}) {
        if (auto set = reinterpret_cast<SetTiffHandler>(dlsym(RTLD_DEFAULT, setter))) {
            set(nullptr);
        }
    }
}

}  // namespace

FreeImageSession::FreeImageSession() {
    // FALSE: also load the external plugins the library may find.
    FreeImage_Initialise(FALSE);
    silenceTiffDiagnostics();
}

FreeImageSession::~FreeImageSession() {
    FreeImage_DeInitialise();
}

}  // namespace casewright
