#pragma once

#include "files/inidocument.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// A settings file as one reading found it. Every read of a view answers from that reading, as the
// settings file itself would have answered then: a caller that reads many keys at once (the address
// history, the company default) reads the file once instead of once per key.
class IniView
{
public:
    IniView() = default; // a missing or unusable file: every read gives its default
    explicit IniView(IniDocument document) : m_document(std::move(document)) {}

    // A missing key and an empty value both give the default. Values are cut to kMaxValueLength.
    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;
    // Missing, empty or not a decimal integer gives the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // Key names of the section in file order (each once); empty when the section is missing.
    QStringList readSection(const QString& section) const;

    static constexpr int kMaxValueLength = 2047;

private:
    std::optional<IniDocument> m_document;
};
