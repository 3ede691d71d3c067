#include "image/imagerecord.h"

#include "image/controlname.h"

namespace image
{

LogValues logValuesOf(const ShownValue& shown)
{
    const auto value = [&shown](ControlName control) { return shown(control.field()); };
    // The index of the value a flag or code shows among its value names.
    const auto index = [&shown](ControlName control) {
        const Field& field = control.field();
        return namedItem(field, shown(field));
    };
    LogValues v;
    v.mac = shown(macField());
    v.ipLocal = shown(ipLocalField());
    v.portaLocal = value("VPortaLocal");
    v.ipRemoto = value("VIpRemoto");
    v.portaRemota = value("VPortaRemota");
    const int role = index("cbConexaoTCP");
    v.client = role == 1;
    v.server = role == 2;
    v.system = role == 3;
    v.gateway = value("VGateway");
    v.subnet = value("VSubnet");
    v.login = value("VLogin");
    v.password = value("VPassword");
    v.cnpj = value("VCNPJ");
    v.velocidade = value("cbVelocidade");
    v.hfDuplex = value("cbHFDuplex");
    v.timeoutRede = value("edTimeOutR");
    v.retries = value("edRetries");
    const int protocol = index("HabTelNet");
    v.vt100 = protocol == 0;
    v.corvale = protocol == 1;
    v.telnet = protocol == 2;
    v.conTelnet = value("edConTelNet");
    v.del = value("cbTeclaDel");
    v.backspace = value("cbTeclaBackspace");
    v.impDefault = value("cbImpDefault");
    v.acionamento = value("cbAcionamento");
    v.teclado = value("cbTeclado");
    v.lcm = value("cbVLCM");
    v.polaridade = value("cbPolaridade");
    v.interface2G = index("cbInterface2G") == 1;
    v.bootDelay = value("edDelay");
    v.com0 = index("cbCom0") == 1;
    v.timeout0 = value("edTimeout0");
    v.baud0 = value("cbBaud0");
    v.paridade0 = value("cbParidade0");
    v.bits0 = value("cbBits0");
    v.stop0 = value("cbStop0");
    v.hand0 = value("cbHand0");
    v.flag0 = value("cbFlag0");
    v.com1 = index("cbCom1") == 1;
    v.timeout1 = value("edTimeout1");
    v.baud1 = value("cbBaud1");
    v.paridade1 = value("cbParidade1");
    v.bits1 = value("cbBits1");
    v.stop1 = value("cbStop1");
    v.hand1 = value("cbHand1");
    v.flag1 = value("cbFlag1");
    return v;
}

QByteArray logRecordOf(const QByteArray& image, const QDateTime& now, const QLocale& locale)
{
    return buildLogRecord(logValuesOf(shownAfterRead(image)), now, locale);
}

} // namespace image
