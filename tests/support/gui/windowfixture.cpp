#include "windowfixture.h"

#include "image/layout.h"

#include <QFile>
#include <QTest>

WindowFixture::WindowFixture() = default;

WindowFixture::~WindowFixture() = default;

void WindowFixture::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile f(path(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray WindowFixture::readFile(const QString& name) const
{
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TfmVarnel& WindowFixture::create(bool formCreate)
{
    m_window = std::make_unique<TfmVarnel>(settingsDir(), dialogs);
    const QString local = localAddresses;
    m_window->setLocalAddressSource([local] { return local; });
    m_window->setBlockingPause(pause);
    if (formCreate)
        m_window->FormCreate();
    m_window->show();
    return *m_window;
}

QStringList WindowFixture::editorState() const
{
    QStringList out;
    for (const image::Field& field : image::layout())
        out.append(m_window->shownValue(field));
    out.append(QString::fromLatin1(m_window->buffer().workingCopy().toHex()));
    out.append(QString::fromLatin1(m_window->buffer().pristineCopy().toHex()));
    return out;
}

QString WindowFixture::buttons() const
{
    QString out;
    for (const char* name : {"BtPedeStatus", "BtLer", "BtDesbloqueio", "BtGravar", "BtDefault", "BtReboot", "btnLog"})
        out.append(button(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0'));
    return out;
}

bool WindowFixture::waitStatus(const QString& text)
{
    return QTest::qWaitFor([&] { return status() == text; }, 5000);
}

bool WindowFixture::connectTo(const QString& address)
{
    combo("IpTerm")->setEditText(address);
    m_window->BtConectarClick();
    return waitStatus(QStringLiteral("Conectado"));
}

bool WindowFixture::connectAndRead(const QString& address, const QString& password)
{
    if (!connectTo(address))
        return false;
    edit("VSenhaAtual")->setText(password);
    m_window->BtPedeStatusClick();
    if (!waitStatus(QStringLiteral("Retorno de Status")))
        return false;
    m_window->BtLerClick();
    return waitStatus(QStringLiteral("Retorno de Leitura"));
}

bool WindowFixture::unlock()
{
    m_window->BtDesbloqueioClick();
    return waitStatus(QStringLiteral("Terminal Desbloqueado"));
}

QByteArray readReply(const QByteArray& configuration)
{
    QByteArray reply;
    reply.append('\x82');
    reply.append('F');
    reply.append(configuration);
    return reply;
}
