#include "store/secret.h"

#include <cstring>
#include <new>
#include <QByteArray>
#include <sys/mman.h>
#include <unistd.h>

namespace ravelbook {

Secret::Secret(QStringView text) : length_(text.size()) {
    const std::size_t page = std::size_t(::sysconf(_SC_PAGESIZE));
    const std::size_t bytes = std::size_t(length_) * sizeof(char16_t);
    // Pages of its own, so that nothing else shares what is left out of a dump.
    mapped_ = (bytes / page + 1) * page;
    void* memory =
        ::mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        throw std::bad_alloc();
    // Both where the system allows (mlock within the limit on locked memory).
    ::madvise(memory, mapped_, MADV_DONTDUMP);
    ::mlock(memory, mapped_);
    characters_ = static_cast<char16_t*>(memory);
    std::memcpy(characters_, text.utf16(), bytes);
}

Secret::~Secret() {
    ::explicit_bzero(characters_, mapped_);
    ::munlock(characters_, mapped_);
    ::munmap(characters_, mapped_);
}

QString Secret::text() const {
    return QString(reinterpret_cast<const QChar*>(characters_), length_);
}

void Secret::wipe(QString& text) {
    if (!text.isDetached())
        return; // shared with another copy, which its owner wipes
    ::explicit_bzero(text.data(), std::size_t(text.size()) * sizeof(QChar));
    text.clear();
}

void Secret::wipe(QByteArray& bytes) {
    if (!bytes.isDetached())
        return;
    ::explicit_bzero(bytes.data(), std::size_t(bytes.size()));
    bytes.clear();
}

} // namespace ravelbook
