#pragma once

#include <sys/resource.h>

namespace veltra {

// While alive, the test process cannot make any file larger than the given number of
// bytes: every write past it fails as on a full disk (EFBIG), whoever runs the test, root
// included. The signal the kernel sends for it is ignored, so the write just fails.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace veltra
