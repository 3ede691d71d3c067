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

std::variant<QByteArray, FileError> readInputFile(const QString& path)
{
    const QString cannotRead = QCoreApplication::translate("Files", "%1: não foi possível ler o arquivo: %2");
    // Opened without blocking and looked at before reading: a named pipe or a device would make
    // the read wait for ever or never end.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int reason = errno;
        return FileError{cannotRead.arg(path, reason == ENOENT || reason == EACCES || reason == EPERM
                                                  ? openFailureReason(path, false, QFileDevice::OpenError)
                                                  : fileFailureReason(reason, QFileDevice::OpenError))};
    }
    struct stat status {
    };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const bool folder = S_ISDIR(status.st_mode);
        ::close(fd);
        return FileError{cannotRead.arg(
            path, folder ? fileFailureReason(EISDIR, QFileDevice::OpenError)
                         : QCoreApplication::translate("Files", "não é um arquivo comum (pipe, dispositivo "
                                                                "ou soquete); indique um arquivo"))};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileError{cannotRead.arg(path, fileFailureReason(0, file.error()))};
    }
    QByteArray bytes = file.read(kMaxInputFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return FileError{QCoreApplication::translate("Files", "%1: não foi possível ler o arquivo: %2")
                             .arg(path, transferFailureReason(file))};
    if (bytes.size() > kMaxInputFileSize)
        return FileError{QCoreApplication::translate("Files", "%1: arquivo grande demais (mais de %2 bytes)")
                             .arg(path)
                             .arg(kMaxInputFileSize)};
    return bytes;
}

std::variant<image::Profile, FileError> loadProfile(const QString& path)
{
    auto bytes = readInputFile(path);
    if (auto* error = std::get_if<FileError>(&bytes))
        return *error;
    const std::optional<IniText> text = initext::decode(std::get<QByteArray>(bytes));
    if (!text)
        return FileError{QCoreApplication::translate("Files", "%1: não é um arquivo de texto").arg(path)};
    return image::profileFromDocument(IniDocument(text->text));
}

std::variant<ConfigFile, FileError> loadConfigFile(const QString& path)
{
    auto bytes = readInputFile(path);
    if (auto* error = std::get_if<FileError>(&bytes))
        return *error;
    auto parsed = parseConfigFile(std::get<QByteArray>(bytes));
    if (auto* error = std::get_if<ConfigFileError>(&parsed))
        return FileError{QStringLiteral("%1: %2").arg(path, error->text)};
    return std::get<ConfigFile>(std::move(parsed));
}

std::variant<FleetFile, FileError> loadFleetFile(const QString& path)
{
    auto bytes = readInputFile(path);
    if (auto* error = std::get_if<FileError>(&bytes))
        return *error;
    auto parsed = parseFleetFile(std::get<QByteArray>(bytes));
    if (auto* error = std::get_if<CsvError>(&parsed)) {
        if (error->line == 0)
            return FileError{QStringLiteral("%1: %2").arg(path, error->text)};
        return FileError{
            QCoreApplication::translate("Files", "%1: linha %2: %3").arg(path).arg(error->line).arg(error->text)};
    }
    return std::get<FleetFile>(std::move(parsed));
}
