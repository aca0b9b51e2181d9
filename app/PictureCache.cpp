#include "PictureCache.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The header, 32 bytes, so that the rows that follow stay aligned.
struct Header {
    char magic[8];
    quint32 width;
    quint32 height;
    quint32 bytesPerLine;
    quint32 format;
    double devicePixelRatio;
};
static_assert(sizeof(Header) == 32);

constexpr char kMagic[8] = {'Q', 'K', 'P', 'I', 'C', '0', '0', '1'};

std::mutex folderLock;
QString folderOverride;

QString fileFor(const QByteArray& key) {
    return QDir(PictureCache::Folder())
        .filePath(QString::fromLatin1(key.toHex()) + QStringLiteral(".rgb"));
}

struct Mapping {
    void* address;
    size_t length;
};

void unmap(void* info) {
    auto* m = static_cast<Mapping*>(info);
    munmap(m->address, m->length);
    delete m;
}

} // namespace

void PictureCache::SetFolder(const QString& folder) {
    std::lock_guard lock(folderLock);
    folderOverride = folder;
}

QString PictureCache::Folder() {
    {
        std::lock_guard lock(folderLock);
        if (!folderOverride.isEmpty())
            return folderOverride;
    }
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/pictures");
}

QImage PictureCache::Load(const QByteArray& key) {
    const int fd = open(QFile::encodeName(fileFor(key)).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat st {};
    void* address = MAP_FAILED;
    if (fstat(fd, &st) == 0 && st.st_size > qint64(sizeof(Header)))
        // Mapped with its pages, which the first paint reads at once.
        address = mmap(nullptr, size_t(st.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    close(fd);
    if (address == MAP_FAILED)
        return {};
    const size_t length = size_t(st.st_size);
    Header h;
    std::memcpy(&h, address, sizeof h);
    const bool ours = std::memcmp(h.magic, kMagic, sizeof kMagic) == 0 &&
                      h.format == quint32(QImage::Format_RGB32) && h.width > 0 && h.height > 0 &&
                      h.width <= 16384 && h.height <= 16384 && h.bytesPerLine >= h.width * 4 &&
                      h.bytesPerLine % 4 == 0 && h.devicePixelRatio > 0 &&
                      length == sizeof h + size_t(h.bytesPerLine) * h.height;
    if (!ours) {
        munmap(address, length);
        return {};
    }
    auto* mapping = new Mapping{address, length};
    QImage picture(static_cast<const uchar*>(address) + sizeof h, int(h.width), int(h.height),
                   qsizetype(h.bytesPerLine), QImage::Format_RGB32, unmap, mapping);
    picture.setDevicePixelRatio(h.devicePixelRatio);
    return picture;
}

bool PictureCache::Store(const QByteArray& key, const QImage& picture) {
    if (picture.isNull() || picture.format() != QImage::Format_RGB32)
        return false;
    const QString path = fileFor(key);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    Header h;
    std::memcpy(h.magic, kMagic, sizeof kMagic);
    h.width = quint32(picture.width());
    h.height = quint32(picture.height());
    h.bytesPerLine = quint32(picture.bytesPerLine());
    h.format = quint32(QImage::Format_RGB32);
    h.devicePixelRatio = picture.devicePixelRatio();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(reinterpret_cast<const char*>(&h), sizeof h);
    file.write(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
    return file.commit();
}
