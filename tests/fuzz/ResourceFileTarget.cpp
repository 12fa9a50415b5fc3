// Fuzz target: the check of a resource file (the resource library, the help file) before Qt is
// given it. The input is the resource data: it is checked as a file without a seal, then sealed
// and checked again, which must come to the same verdict as the check of the data alone. Data
// the check accepts is given to Qt and read through: every entry is listed, opened and read
// whole. Qt reads it from a copy that ends at an unreadable page, so that a read past its end
// stops the fuzzer even inside Qt, which is not instrumented.
#include <QDirIterator>
#include <QFile>
#include <QResource>

#include <cstring>

#include <sys/mman.h>
#include <unistd.h>

#include "FuzzInput.h"
#include "table/ResourceFileCheck.h"

namespace {

// A copy of the bytes whose last byte lies just before an inaccessible page (and whose first
// page follows another).
class GuardedCopy {
  public:
    explicit GuardedCopy(std::string_view bytes) {
        const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        const std::size_t pages = (bytes.size() + page - 1) / page;
        length_ = (pages + 2) * page;
        void* base =
            ::mmap(nullptr, length_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (base == MAP_FAILED) tindle::fuzz::Broken();
        base_ = static_cast<unsigned char*>(base);
        ::mprotect(base_, page, PROT_NONE);
        ::mprotect(base_ + length_ - page, page, PROT_NONE);
        data_ = base_ + length_ - page - bytes.size();
        std::memcpy(data_, bytes.data(), bytes.size());
    }
    ~GuardedCopy() { ::munmap(base_, length_); }
    GuardedCopy(const GuardedCopy&) = delete;
    GuardedCopy& operator=(const GuardedCopy&) = delete;
    const unsigned char* Data() const { return data_; }

  private:
    unsigned char* base_ = nullptr;
    unsigned char* data_ = nullptr;
    std::size_t length_ = 0;
};

void ReadEverything(const QString& root) {
    QDirIterator entries(QStringLiteral(":") + root, QDir::AllEntries | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        QFile file(entries.next());
        if (file.open(QIODevice::ReadOnly) && file.readAll().size() != file.size())
            tindle::fuzz::Broken();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tindle;
    const std::string_view input = fuzz::Text(data, size);
    CheckSealedResourceFile(input);
    const ResourceCheck alone = CheckResourceData(input);
    if (CheckSealedResourceFile(SealResourceData(input)).reason != alone.reason) fuzz::Broken();
    if (!alone.Ok()) return 0;

    const QString root = QStringLiteral("/fuzz");
    const GuardedCopy copy(input);
    if (!QResource::registerResource(copy.Data(), root)) fuzz::Broken();
    ReadEverything(root);
    if (!QResource::unregisterResource(copy.Data(), root)) fuzz::Broken();
    return 0;
}
