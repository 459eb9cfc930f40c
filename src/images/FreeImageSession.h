#pragma once

namespace casewright {

// Keeps the image decoding library initialised for as long as it lives.
// The application and the command-line tools create one at start and let it
// go at exit; sessions may nest (the library counts them).
class FreeImageSession {
public:
    FreeImageSession();
    ~FreeImageSession();

    FreeImageSession(const FreeImageSession&) = delete;
    FreeImageSession& operator=(const FreeImageSession&) = delete;
};

}  // namespace casewright
