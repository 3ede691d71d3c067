#include "files/fleetfile.h"

#include "files/inidocument.h"
#include "image/readable.h"

#include <QCoreApplication>

#include <algorithm>

namespace
{

enum class Column { Unnamed, Address, Password, NewPassword, Key };

struct ColumnRole {
    Column column = Column::Unnamed;
    QString section; // for Key
    QString key;
};

bool names(const QString& name, const QString& english, const QStringList& portuguese)
{
    return sameIniName(name, english) || portuguese.contains(name, Qt::CaseInsensitive);
}

// The column a header cell names.
image::Outcome<ColumnRole> roleOf(const QString& name)
{
    if (name.isEmpty())
        return ColumnRole{};
    if (names(name, fleetcolumn::address, fleetcolumn::addressAliases))
        return ColumnRole{Column::Address, {}, {}};
    if (names(name, fleetcolumn::password, fleetcolumn::passwordAliases))
        return ColumnRole{Column::Password, {}, {}};
    if (names(name, fleetcolumn::newPassword, fleetcolumn::newPasswordAliases))
        return ColumnRole{Column::NewPassword, {}, {}};
    const qsizetype dot = name.indexOf(u'.');
    const QString key = name.mid(dot + 1);
    if (const image::Field* field = dot > 0 ? image::fieldOfKey(name.left(dot), key) : nullptr) {
        // Spelt as the field table spells it, as a profile file's keys are.
        const bool subKey = !sameIniName(image::keyOf(*field), key);
        return ColumnRole{Column::Key, image::sectionOf(*field),
                          subKey ? image::tableText(field->subKey) : image::keyOf(*field)};
    }
    return image::Failure{
        QCoreApplication::translate(
            "Files", "coluna desconhecida \"%1\" (as colunas são address ou endereco, password ou senha, "
                     "new_password ou nova_senha e Secao.Chave, por exemplo Conexao.IPLocal; hxconfig-cli show "
                     "lista as chaves)")
            .arg(name)};
}

} // namespace

image::Outcome<FleetFile> parseFleetFile(const QByteArray& bytes)
{
    const image::Outcome<CsvTable> parsed = parseCsv(bytes);
    if (!parsed)
        return parsed.failure();
    const CsvTable& table = *parsed;
    const CsvRow& header = table.rows.first();

    QList<ColumnRole> roles;
    for (qsizetype c = 0; c < header.cells.size(); ++c) {
        const image::Outcome<ColumnRole> role = roleOf(header.cells.at(c));
        if (!role)
            return image::Failure{role.failure().text, header.line};
        const ColumnRole& r = *role;
        // "address" and "endereco" are one column, as are "Conexao.Tipo" and "conexao.tipo".
        for (qsizetype before = 0; before < c; ++before) {
            const ColumnRole& b = roles.at(before);
            if (r.column != Column::Unnamed && b.column == r.column && sameIniName(b.section, r.section) &&
                sameIniName(b.key, r.key))
                return image::Failure{
                    QCoreApplication::translate("Files", "coluna repetida \"%1\"").arg(header.cells.at(c)),
                    header.line};
        }
        roles.append(r);
    }
    if (std::none_of(roles.cbegin(), roles.cend(), [](const ColumnRole& r) { return r.column == Column::Address; }))
        return image::Failure{QCoreApplication::translate("Files", "falta a coluna address (ou endereco) no cabeçalho"),
                              header.line};

    FleetFile file;
    file.separator = table.separator;
    for (qsizetype r = 1; r < table.rows.size(); ++r) {
        const CsvRow& row = table.rows.at(r);
        FleetRow fleetRow;
        fleetRow.line = row.line;
        for (qsizetype c = 0; c < row.cells.size(); ++c) {
            const QString& cell = row.cells.at(c);
            if (cell.isEmpty())
                continue;
            if (c >= roles.size() || roles.at(c).column == Column::Unnamed)
                return image::Failure{
                    QCoreApplication::translate("Files", "valor \"%1\" na coluna %2, que o cabeçalho não nomeia")
                        .arg(cell)
                        .arg(c + 1),
                    row.line};
            const ColumnRole& role = roles.at(c);
            switch (role.column) {
            case Column::Address:
                fleetRow.address = cell;
                break;
            case Column::Password:
                fleetRow.password = cell;
                break;
            case Column::NewPassword:
                fleetRow.newPassword = cell;
                break;
            case Column::Key:
                fleetRow.values.append({role.section, role.key, cell, image::Origin::Request});
                break;
            case Column::Unnamed:
                break;
            }
        }
        if (fleetRow.address.isEmpty())
            return image::Failure{QCoreApplication::translate("Files", "falta o endereço (coluna address ou endereco)"),
                                  row.line};
        file.rows.append(fleetRow);
    }
    if (file.rows.isEmpty())
        return image::Failure{QCoreApplication::translate("Files", "nenhum terminal depois do cabeçalho"), header.line};
    return file;
}
