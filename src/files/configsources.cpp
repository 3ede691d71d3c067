#include "files/configsources.h"

#include "files/inidocument.h"
#include "files/initext.h"
#include "files/profilefile.h"
#include "files/systemreason.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

image::Outcome<QByteArray> readInputFile(const QString& path)
{
    const QString cannotRead = QCoreApplication::translate("Files", "%1: não foi possível ler o arquivo: %2");
    // Opened without blocking and looked at before reading: a named pipe or a device would make
    // the read wait for ever or never end.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int reason = errno;
        return image::Failure{cannotRead.arg(path, reason == ENOENT || reason == EACCES || reason == EPERM
                                                       ? openFailureReason(path, false, QFileDevice::OpenError)
                                                       : fileFailureReason(reason, QFileDevice::OpenError))};
    }
    struct stat status {
    };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const bool folder = S_ISDIR(status.st_mode);
        ::close(fd);
        return image::Failure{cannotRead.arg(
            path, folder ? fileFailureReason(EISDIR, QFileDevice::OpenError)
                         : QCoreApplication::translate("Files", "não é um arquivo comum (pipe, dispositivo "
                                                                "ou soquete); indique um arquivo"))};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return image::Failure{cannotRead.arg(path, fileFailureReason(0, file.error()))};
    }
    QByteArray bytes = file.read(kMaxInputFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return image::Failure{QCoreApplication::translate("Files", "%1: não foi possível ler o arquivo: %2")
                                  .arg(path, transferFailureReason(file))};
    if (bytes.size() > kMaxInputFileSize)
        return image::Failure{QCoreApplication::translate("Files", "%1: arquivo grande demais (mais de %2 bytes)")
                                  .arg(path)
                                  .arg(kMaxInputFileSize)};
    return bytes;
}

image::Outcome<image::Profile> loadProfile(const QString& path)
{
    auto bytes = readInputFile(path);
    if (!bytes)
        return bytes.failure();
    const std::optional<IniText> text = initext::decode(*bytes);
    if (!text)
        return image::Failure{QCoreApplication::translate("Files", "%1: não é um arquivo de texto").arg(path)};
    return image::profileFromDocument(IniDocument(text->text));
}

image::Outcome<ConfigFile> loadConfigFile(const QString& path)
{
    auto bytes = readInputFile(path);
    if (!bytes)
        return bytes.failure();
    auto parsed = parseConfigFile(*bytes);
    if (!parsed)
        return image::Failure{QStringLiteral("%1: %2").arg(path, parsed.failure().text), parsed.failure().line};
    return std::move(parsed).value();
}

image::Outcome<FleetFile> loadFleetFile(const QString& path)
{
    auto bytes = readInputFile(path);
    if (!bytes)
        return bytes.failure();
    auto parsed = parseFleetFile(*bytes);
    if (!parsed) {
        const image::Failure& error = parsed.failure();
        if (error.line == 0)
            return image::Failure{QStringLiteral("%1: %2").arg(path, error.text)};
        return image::Failure{
            QCoreApplication::translate("Files", "%1: linha %2: %3").arg(path).arg(error.line).arg(error.text),
            error.line};
    }
    return std::move(parsed).value();
}
