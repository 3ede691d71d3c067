#include "image/layout.h"
#include "image/fieldtable.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace image
{
namespace
{

using enum Kind;
using sv = std::string_view;
using fieldtable::kLayout;

// The index of the row of a control, checked while compiling.
constexpr std::size_t rowIndex(sv name)
{
    for (std::size_t i = 0; i < kLayout.size(); ++i) {
        if (kLayout[i].control == name)
            return i;
    }
    return kLayout.size();
}

constexpr std::size_t kMacRow = rowIndex(control::mac);
constexpr std::size_t kIpLocalRow = rowIndex(control::ipLocal);
constexpr std::size_t kNewPasswordRow = rowIndex(control::newPassword);
static_assert(kMacRow < kLayout.size() && kLayout[kMacRow].kind == Mac);
static_assert(kIpLocalRow < kLayout.size() && kLayout[kIpLocalRow].content == Content::Address);
static_assert(kNewPasswordRow < kLayout.size() && kLayout[kNewPasswordRow].kind == NewPassword);
constexpr std::size_t kCom0Row = rowIndex(control::com0);
constexpr std::size_t kCom1Row = rowIndex(control::com1);
constexpr std::size_t kTcpRoleRow = rowIndex(control::tcpConnection);
constexpr std::size_t kProtocolRow = rowIndex(control::protocol);
constexpr std::size_t kInterface2GRow = rowIndex(control::interface2G);
static_assert(kCom0Row < kLayout.size() && kLayout[kCom0Row].kind == Flag);
static_assert(kCom1Row < kLayout.size() && kLayout[kCom1Row].kind == Flag);
static_assert(kTcpRoleRow < kLayout.size() && kLayout[kTcpRoleRow].rule == Rule::TcpRole);
static_assert(kProtocolRow < kLayout.size() && kLayout[kProtocolRow].rule == Rule::Protocol);
static_assert(kInterface2GRow < kLayout.size() && kLayout[kInterface2GRow].kind == Flag);

constexpr std::size_t kKeyedCount =
    std::size_t(std::count_if(kLayout.begin(), kLayout.end(), [](const Field& f) { return !f.key.empty(); }));

const std::array<const Field*, kKeyedCount> kKeyed = [] {
    std::array<const Field*, kKeyedCount> rows{};
    std::size_t n = 0;
    for (const Field& f : kLayout) {
        if (!f.key.empty())
            rows[n++] = &f;
    }
    std::sort(rows.begin(), rows.end(), [](const Field* a, const Field* b) { return a->order < b->order; });
    return rows;
}();

constexpr std::array kCompanyPages = {Page::Rede, Page::Conexao, Page::Protocolo, Page::Gerais, Page::Seriais};

} // namespace

std::span<const Field> layout()
{
    return kLayout;
}

const Field& macField()
{
    return kLayout[kMacRow];
}

const Field& ipLocalField()
{
    return kLayout[kIpLocalRow];
}

const Field& newPasswordField()
{
    return kLayout[kNewPasswordRow];
}

const Field& com0Field()
{
    return kLayout[kCom0Row];
}

const Field& com1Field()
{
    return kLayout[kCom1Row];
}

const Field& tcpRoleField()
{
    return kLayout[kTcpRoleRow];
}

const Field& protocolField()
{
    return kLayout[kProtocolRow];
}

const Field& interface2GField()
{
    return kLayout[kInterface2GRow];
}

const Field* fieldOf(std::string_view control)
{
    for (const Field& f : kLayout) {
        if (!control.empty() && f.control == control)
            return &f;
    }
    return nullptr;
}

std::span<const Field* const> keyedFields()
{
    return kKeyed;
}

std::string_view pageCaption(Page page)
{
    switch (page) {
    case Page::Rede:
        return QT_TRANSLATE_NOOP("Field", "Rede");
    case Page::Conexao:
        return QT_TRANSLATE_NOOP("Field", "Conexão");
    case Page::Protocolo:
        return QT_TRANSLATE_NOOP("Field", "Protocolo");
    case Page::Gerais:
        return QT_TRANSLATE_NOOP("Field", "Gerais");
    case Page::Seriais:
        return QT_TRANSLATE_NOOP("Field", "Seriais");
    case Page::None:
        break;
    }
    return {};
}

std::string_view sectionName(Page page)
{
    return page == Page::Conexao ? std::string_view("Conexao") : pageCaption(page);
}

std::span<const Page> companyPages()
{
    return kCompanyPages;
}

} // namespace image
