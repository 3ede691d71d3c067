#pragma once

#include "image/layout.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Values that would leave a terminal unreachable or misbehaving (errors) or that it ignores or
// that break a convention (warnings). What each text field must hold comes from the field table.
namespace image
{

enum class Severity { Error, Warning };

struct Problem {
    const Field* field = nullptr; // the field the problem is shown on
    Severity severity = Severity::Error;
    QString message;           // Portuguese, one line, without the field's name
    QString suggestion;        // Portuguese; empty when there is none
    QList<const Field*> basis; // every field whose value the problem depends on, `field` first
    bool operator==(const Problem&) const = default;
};

// "erro", "aviso", in the user's language
QString severityName(Severity severity);
// "error", "warning": for machine-read output
QString severityKey(Severity severity);

// "Conexão / Subnet Mask [Conexao.SubNetMask]: erro: ...; sugestão: ..."
QString problemLine(const Problem& problem);

// The problems of one image in byte order of their fields, errors and warnings mixed. With
// `before` (the image the terminal holds, as read) a setting changed while its serial port or radio
// is off is also a warning; without it such changes cannot be seen.
QList<Problem> checkImage(const QByteArray& image, const QByteArray& before = {});

bool hasErrors(const QList<Problem>& problems);
int errorCount(const QList<Problem>& problems);

// A dotted IPv4 address: four decimal numbers 0..255 of one to three digits, nothing else.
std::optional<quint32> parseIpv4(const QString& text);
QString ipv4Text(quint32 address);
// The number of leading one bits of a contiguous mask; nothing for a mask that is not contiguous.
std::optional<int> maskLength(quint32 mask);
// A CNPJ's two check digits for its first twelve digits.
QString cnpjCheckDigits(const QString& twelveDigits);

// A terminal among others: its image as it will be written, and the fields whose value is not yet
// known (a fleet plan knows only what the profile and its row set).
struct FleetMember {
    QByteArray image;
    QList<const Field*> unknown;
};

struct FleetProblem {
    Severity severity = Severity::Error;
    QList<int> members; // indices into the checked list, two or more
    const Field* field = nullptr;
    QString message; // Portuguese, without the members' names
    bool operator==(const FleetProblem&) const = default;
};

// Problems between terminals: the same "Nº do Terminal" on the same "Canal Base" with the radio on,
// an IP Local that is another's Gateway (errors), IP Locals spread over more than one network
// (warning). Two terminals with the same IP Local are the caller's own refusal.
QList<FleetProblem> checkFleet(const QList<FleetMember>& members);

} // namespace image
