#include "files/configsources.h"

#include "files/inidocument.h"
#include "files/initext.h"
#include "files/systemreason.h"

#include <QFile>

std::variant<QByteArray, FileError> readInputFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileError{QStringLiteral("%1: não foi possível ler o arquivo: %2")
                             .arg(path, openFailureReason(path, false, file.error()))};
    QByteArray bytes = file.read(kMaxInputFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return FileError{
            QStringLiteral("%1: não foi possível ler o arquivo: %2").arg(path, transferFailureReason(file))};
    if (bytes.size() > kMaxInputFileSize)
        return FileError{
            QStringLiteral("%1: arquivo grande demais (mais de %2 bytes)").arg(path).arg(kMaxInputFileSize)};
    return bytes;
}

std::variant<image::Profile, FileError> loadProfile(const QString& path)
{
    auto bytes = readInputFile(path);
    if (auto* error = std::get_if<FileError>(&bytes))
        return *error;
    const std::optional<IniText> text = initext::decode(std::get<QByteArray>(bytes));
    if (!text)
        return FileError{QStringLiteral("%1: não é um arquivo de texto").arg(path)};
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
        return FileError{QStringLiteral("%1: linha %2: %3").arg(path).arg(error->line).arg(error->text)};
    }
    return std::get<FleetFile>(std::move(parsed));
}
