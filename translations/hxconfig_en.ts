<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>Checks</name>
    <message>
        <source>quatro números de 0 a 255 separados por pontos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uma máscara mais curta, como 255.255.255.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>um endereço de %1 a %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; deve ter só algarismos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vazio; é preciso um endereço IPv4 (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é um endereço IPv4 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a máscara 0.0.0.0 não delimita rede alguma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a máscara %1 não é contígua (todos os bits 1 devem vir antes dos bits 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vazia; é preciso uma porta (um número de 0 a 65535)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma porta (um número de 0 a 65535)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>escreva o CNPJ só com algarismos, sem pontos, barra ou traço</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o CNPJ &quot;%1&quot; não tem 14 algarismos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>os dígitos verificadores do CNPJ %1 não conferem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>confira o número; com estes 12 primeiros algarismos o CNPJ seria %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tem %1 caracteres; a dica aconselha no máximo %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o terminal só envia este valor com Conexão TCP &quot;System&quot; e protocolo &quot;TelNet&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alterado com &quot;%1&quot; desmarcado: o terminal só usa este valor com &quot;%1&quot; marcado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marque &quot;%1&quot; ou desfaça a alteração</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o IP Local não pode ser 0.0.0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 é o endereço da própria rede %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 é o endereço de broadcast da rede %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o Gateway é o próprio IP Local (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o endereço do roteador da rede, ou 0.0.0.0 sem roteador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o Gateway %1 está fora da rede do IP Local (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, ou 0.0.0.0 sem roteador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>com Conexão TCP &quot;Client&quot; o IP Remoto não pode ser 0.0.0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o endereço do servidor ao qual o terminal se conecta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>com Conexão TCP &quot;Client&quot; a Porta Remota não pode ser 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a porta do servidor ao qual o terminal se conecta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>com Conexão TCP &quot;Server&quot; a Porta Local não pode ser 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a porta em que o terminal aceita conexões, de 1 a 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; sugestão: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o mesmo %1 %2 no mesmo %3 %4 com &quot;%5&quot; marcado: os terminais interferem no ar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o IP Local do primeiro (%1) é o Gateway do segundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>os IP Local estão em %1 redes diferentes: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>aviso: esta pasta de cópias de segurança fica dentro da pasta de compilação %1, e apagar a compilação apaga também as cópias. Para guardá-las em outro lugar, use --backup-dir PASTA ou instale o pacote (as cópias vão então para ~/.config/hxconfig/Backups).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o limite de arquivos abertos permite %1 terminais ao mesmo tempo, não %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: linha %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: endereço inválido (IPv4 ou host:porta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: falta a senha (coluna password, --password, --password-file ou HXCONFIG_PASSWORD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frota recusada: %1; nenhum terminal foi contatado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>problema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>problemas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>endereços</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>encontrados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>terminais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falhas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 terminais: %2 novos, %3 inalterados, %4 falharam, em %5 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aviso: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (--force grava mesmo assim)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frota recusada: %1; nenhum terminal foi contatado%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3, %4, %5, em %6 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alterado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alterados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inalterado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inalterados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>simulado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>simulados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falhou</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falharam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nenhum problema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 erro(s), %2 aviso(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: é um perfil (seções da empresa, sem a seção [Imagem] de um arquivo lido com read), não um arquivo de configuração: para ver o que ele mudaria num terminal, use hxconfig-cli apply ENDEREÇO %1 --dry-run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atenção: em %1 as chaves do arquivo diferem da seção [Imagem]; os valores mostrados são os da imagem. restore recusa o arquivo sem --image (vale a imagem) ou --keys (valem as chaves).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>campo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>campos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: configuração de %2 salva em %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal
  MAC: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Lido em: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Endereço: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  &lt;- a chave no arquivo diz %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; sugestão: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as chaves do arquivo diferem da seção [Imagem] em %1: %2; diga qual parte vale: --image (a imagem, byte a byte) ou --keys (as chaves aplicadas sobre a imagem, como apply)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não é um arquivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: não foi possível ler o arquivo de logotipo: %2 (o arquivo tem 40 linhas de seis pares hexadecimais, como 00,1F,A0,FF,00,00)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: logotipo enviado
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nenhuma cópia de segurança de %1 em %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  lido em %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> de %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  a primeira cópia
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  nenhum campo mudou
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENDEREÇO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPv4 do terminal (porta 23) ou host:porta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pede o status: &quot;pronto&quot; ou &quot;não pronto&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pede o status do terminal e escreve &quot;pronto&quot; ou &quot;não pronto&quot; (saída 4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>result: ready, not ready (exit 4) ou failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lê a configuração e escreve o arquivo de configuração</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lê a configuração do terminal e escreve o arquivo de configuração (Windows-1252, CR LF) em ARQUIVO,
só legível pelo dono, ou na saída padrão (sem -o ou com -o -).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>result: read ou failed. Com -o ARQUIVO: mac, file. Sem -o: a configuração, mac, read_at (ISO 8601), values
(cada Secao.Chave do arquivo de configuração com seu valor) e image (os 260 bytes em hexadecimal).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mostra um arquivo de configuração, um campo por linha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostra a configuração de um arquivo, legível, um campo por linha, agrupada por página, com a
seção e a chave que define cada campo (a que --set aceita, com o valor como mostrado). Um campo cuja
chave no arquivo diz outra coisa que a seção [Imagem] é marcado.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARQUIVO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arquivo de configuração (lido com &quot;read&quot; ou salvo como cópia de segurança)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>compara duas configurações (arquivos ou endereços)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostra as diferenças entre A e B campo a campo. A e B são arquivos de configuração ou endereços
(um endereço é lido). Sai com 0 quando são iguais e 1 quando diferem, como diff. Um arquivo cujas
chaves diferem da sua seção [Imagem] nunca é igual: cada campo assim é listado.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arquivo de configuração ou endereço</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uma linha. result: equal, different (exit 1) ou failed; a, b, changes (section, key, page, caption,
from, to). address é o terminal cuja leitura falhou; vazio quando nenhum falhou.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>confere uma configuração (arquivo ou endereço) e lista os problemas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confere a configuração de um arquivo de configuração ou de um terminal (um endereço é lido) e lista
cada problema com a página, o campo, [Secao.Chave], a gravidade (erro ou aviso), a mensagem e uma
sugestão. Sai com 0 sem erros (os avisos são mostrados) e com 7 quando há erros.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARQUIVO|ENDEREÇO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arquivo de configuração ou endereço do terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uma linha. result: ok, warnings, errors (exit 7) ou failed; file (para um arquivo), problems (section,
key, page, caption, severity: error ou warning, message, suggestion).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aplica um perfil e grava só quando algo muda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lê o terminal, aplica o perfil (as cinco seções da empresa de um ConfDefault.ini ou de um arquivo de
configuração, e os valores de --set depois dele) e grava só quando algo mudou: antes, salva uma
cópia de segurança; depois, lê de novo para verificar e reinicia o terminal. Uma configuração
resultante com erros (veja check) é recusada antes de qualquer envio (saída 7), a não ser com --force.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PERFIL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arquivo INI com as seções Rede, Conexao, Protocolo, Gerais, Seriais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>result: changed, unchanged, dry-run ou failed; changes (section, key, page, caption, from, to), backup
(o caminho da cópia de segurança), verified (true ou false).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grava de volta a imagem de um arquivo de configuração</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grava a imagem de um arquivo de configuração de volta no terminal, byte a byte, quando o MAC do
arquivo é o do terminal. Um arquivo de outro terminal é recusado (saída 7), a não ser com --clone:
então só os campos editáveis vêm do arquivo, o terminal guarda seu MAC, seus bytes reservados e
sua senha, e é preciso --set Conexao.IPLocal=... ou --keep-ip. Quando as chaves das cinco seções
do arquivo diferem da seção [Imagem] (uma chave editada à mão), restore recusa (saída 7) e nomeia os
campos, a não ser que --image ou --keys diga qual das duas partes vale. Uma configuração com erros
(veja check) é recusada antes de qualquer envio (saída 7), a não ser com --force.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arquivo de configuração</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lê o terminal e envia um logotipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lê o terminal e envia o logotipo do arquivo (40 linhas de seis pares hexadecimais) no quadro de
logotipo. O terminal não responde a esse quadro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOGOTIPO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arquivo de logotipo (texto)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>result: sent ou failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aplica um perfil a uma frota de terminais ao mesmo tempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faz o que apply faz em cada terminal do arquivo de frota, --parallel terminais ao mesmo tempo, cada
um com sua cópia de segurança, verificação e resultado; a falha de um não muda os outros. Antes de
conectar, confere a frota inteira (valores que nomeiam itens, endereços repetidos, o mesmo IP
Local para dois terminais, senhas, os erros da configuração e da frota, veja check) e recusa toda
ela com a lista dos problemas (saída 7; --force grava apesar dos erros de configuração). Os
valores da linha valem sobre o perfil e --set. No fim, uma tabela (endereço, resultado, alterações,
cópia de segurança, erro); saída 8 quando algum terminal falhou. O relatório (--report) e --json usam
as palavras fixas: address, result, changes, backup, error; changed, unchanged, dry-run, failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FROTA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arquivo CSV: address (ou endereco), password (ou senha), new_password (ou nova_senha),
              Secao.Chave; separado por , ou ;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arquivo INI com as seções da empresa (opcional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uma linha por terminal, na ordem do arquivo de frota, com as chaves de apply. Uma frota recusada ou um
arquivo ilegível: uma só linha com address vazio e result refused (com problems, a lista) ou failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>procura terminais numa faixa de endereços</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conecta a cada endereço da faixa na porta (--port) e pede o status, --parallel endereços ao mesmo
tempo, cada um com o tempo de --timeout. Escreve os endereços que responderam, &quot;pronto&quot; ou &quot;não
pronto&quot;, em ordem de endereço; --csv salva-os como arquivo de frota para batch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAIXA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a.b.c.d/nn (de /16 a /32) ou a.b.c.d-e.f.g.h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uma linha por terminal encontrado. result: ready ou not ready (exit 4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>guarda a configuração de uma frota quando ela mudou</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lê cada terminal dos alvos, --parallel terminais ao mesmo tempo, e salva sua configuração na pasta
de cópias de segurança só quando ela difere da cópia mais recente do mesmo MAC: uma execução por
noite guarda as mudanças, não uma cópia por noite. Um alvo é um arquivo de frota (como em batch;
a coluna password vale), uma faixa (como em scan, na porta --port; só os endereços que respondem
são lidos) ou um endereço. Cada terminal termina new (o arquivo novo), unchanged (a cópia mais
recente, igual) ou failed (por quê). No fim, uma tabela (address, result, mac, file, error); saída 8
quando algum terminal falhou.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALVO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arquivo de frota, faixa a.b.c.d/nn ou a.b.c.d-e.f.g.h, ou endereço</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uma linha por terminal. result: new, unchanged ou failed; mac, file (o arquivo novo ou, em unchanged,
o mais recente).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mostra as cópias de segurança de um terminal e o que mudou</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lista as cópias de segurança do terminal na pasta, da mais antiga à mais recente, cada uma com os
campos que mudaram desde a anterior, como diff os mostra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o MAC do terminal: 0050C2000001 ou 00:50:C2:00:00:01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uma linha por cópia, da mais antiga à mais recente; address é o endereço de onde foi lida. result:
first (a primeira), changed, same (nenhum campo mudou) ou failed (arquivo ilegível, exit 6); mac,
file, previous (a cópia anterior), read_at (ISO 8601), changes (section, key, page, caption, from,
to).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Códigos de saída:
  0  sucesso (alterado ou inalterado; no diff, iguais)
  1  diff encontrou diferenças
  2  uso incorreto da linha de comando
  3  sem conexão (recusada, tempo esgotado, fechada antes da resposta)
  4  recusado pelo terminal (não pronto, senha errada, desbloqueio ou reinício recusado)
  5  verificação falhou (o terminal guarda outra coisa; a cópia de segurança é indicada)
  6  problema de arquivo (ilegível ou malformado, com a linha)
  7  recusado antes de gravar (valor que não nomeia item, campo de texto vazio, nova senha sem 6 caracteres,
     arquivo de outro terminal sem --clone, chaves que diferem da imagem sem --image ou --keys,
     frota com problemas, configuração com erros sem --force;
     no check, a configuração tem erros)
  8  batch ou backup: algum terminal falhou (a tabela e o relatório dizem qual e por quê)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostra esta ajuda.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senha atual do terminal (1 a 6 caracteres). Aparece na lista de processos (ps): prefira --password-file ou HXCONFIG_PASSWORD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lê a senha da primeira linha do arquivo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo máximo para conectar e para cada resposta (padrão 3000).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON Lines na saída padrão: um objeto JSON por terminal, um por linha, no sucesso e na falha (veja Saída JSON).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nada na saída padrão; erros continuam na saída de erro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivo a escrever; - é a saída padrão.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nova senha do terminal, exatamente 6 caracteres (gravada com a configuração). Aparece na lista de processos (ps): prefira --new-password-file ou HXCONFIG_NEW_PASSWORD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lê a nova senha da primeira linha do arquivo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lê e mostra as diferenças; não envia nada que mude o terminal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não reinicia o terminal depois de gravar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não lê de novo para verificar o que foi gravado.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasta das cópias de segurança (padrão: Backups ao lado do ConfDefault.ini).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PASTA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acrescenta ao arquivo o registro de 16 linhas do que foi gravado, como &quot;Log Conf.&quot;; um arquivo novo é criado só legível pelo dono (600).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Define um valor depois do perfil, por exemplo Conexao.IPLocal=10.0.0.5 ou Conexao.Tipo=Client (pode repetir). Vale como show o mostra, ou é recusado com os valores aceitos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grava mesmo quando a configuração resultante tem erros (veja check).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceita um arquivo de outro terminal: copia só os campos editáveis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com --clone: o terminal mantém seu próprio IP local.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quando as chaves do arquivo diferem da seção [Imagem]: grava a imagem, byte a byte, e ignora as chaves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quando as chaves do arquivo diferem da seção [Imagem]: aplica as chaves sobre a imagem com as regras de apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminais ao mesmo tempo (padrão 32).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Endereços ao mesmo tempo (padrão 64).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva a tabela do fim em ARQUIVO: CSV, ou JSON quando o nome termina em .json.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porta dos terminais (padrão 23).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva os endereços encontrados como arquivo de frota (coluna address).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uso: hxconfig-cli %1 [opções] %2

%3

Argumentos:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Opções:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Saída JSON (--json): cada linha começa com address, result, error (vazio, salvo em failed e refused)
e exit (o código de saída desse terminal), nessa ordem; depois as chaves do comando.
%1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
A senha de cada terminal vem da coluna password do arquivo de frota; onde a célula está vazia,
de --password, de --password-file ou da variável de ambiente HXCONFIG_PASSWORD.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
A senha vem de --password, de --password-file ou da variável de ambiente HXCONFIG_PASSWORD.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nova senha vem de --new-password, de --new-password-file ou da variável de ambiente HXCONFIG_NEW_PASSWORD.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uso: hxconfig-cli COMANDO [opções] ARGUMENTOS
     hxconfig-cli COMANDO --help

Lê, compara, aplica, verifica e restaura a configuração de microterminais pela rede.

Comandos:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Opções:
  -h, --help     Mostra esta ajuda.
  -v, --version  Mostra a versão.

Com --json, os comandos escrevem JSON Lines, um objeto por terminal por linha, que começa com
address, result, error e exit (hxconfig-cli COMANDO --help diz as chaves de cada comando).

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: não é um arquivo de texto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alvo inválido: %1 (não é arquivo de frota, faixa a.b.c.d/nn ou a.b.c.d-e.f.g.h, nem endereço)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta o comando (hxconfig-cli --help lista os comandos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comando desconhecido: %1 (hxconfig-cli --help lista os comandos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: opção desconhecida: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 espera %2 (hxconfig-cli %1 --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>endereço inválido: %1 (IPv4 ou host:porta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--timeout espera milissegundos de 1 a 600000, não %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--parallel espera um número de 1 a 10000, não %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port espera um número de 1 a 65535, não %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--image e --keys se excluem: diga qual parte do arquivo vale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set espera Secao.Chave=Valor, não %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set: chave desconhecida %1.%2 (hxconfig-cli show lista as chaves)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--keep-ip só vale com --clone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--clone pede --set Conexao.IPLocal=... ou --keep-ip: dois terminais não podem ter o mesmo IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: falta a senha (--password, --password-file ou HXCONFIG_PASSWORD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>já estava no terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>novo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a configuração a gravar tem %1 erro(s); nada foi enviado (--force grava mesmo assim)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: alterado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: inalterado
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: simulação, nada foi enviado; %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 campo mudaria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 campos mudariam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: alterado, %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  cópia de segurança: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  verificado
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  não verificado
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pronto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não pronto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>endereço</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resultado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alterações</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cópia de segurança</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erro</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>(alterado)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparar com o Lido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alterações</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Página</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor lido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor atual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nenhuma alteração</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 campo alterado desde a leitura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 campos alterados desde a leitura</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>seção [Imagem] repetida.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chave desconhecida na seção [Imagem]: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chave %1 repetida na seção [Imagem].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 deve ter %2 bytes em hexadecimal, pares separados por um espaço.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>data e hora inválidas em LidoEm (esperado aaaa-mm-ddThh:mm:ss): %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O arquivo de configuração é grande demais.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O arquivo de configuração não é um arquivo de texto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falta a seção [Imagem] com a imagem de 260 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta a chave %1 na seção [Imagem].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: não foi possível ler o arquivo: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não é um arquivo comum (pipe, dispositivo ou soquete); indique um arquivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: arquivo grande demais (mais de %2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: não é um arquivo de texto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: linha %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não é um arquivo de texto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sem memória para ler o arquivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aspas fora do lugar (uma célula com aspas deve começar e terminar com elas, e aspas dentro dela vêm dobradas)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aspas abertas e nunca fechadas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo está vazio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>é um link simbólico; nada foi gravado através dele (indique o arquivo de destino)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não é um arquivo comum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a pasta %1 pertence a outro usuário; use uma pasta sua (por exemplo, crie uma nova com mkdir -m 700)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a pasta %1 pode ser alterada por outros usuários; restrinja-a com chmod 700 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não foi possível gravar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não foi possível gravar a cópia de segurança em</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a pasta %1 é um link simbólico; as cópias de segurança não são gravadas através de links (indique a pasta de destino)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não foi possível acrescentar o registro em</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aviso: %1 pode ser lido por outros usuários e guarda o login e a senha dos terminais; restrinja-o com chmod 600 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coluna desconhecida &quot;%1&quot; (as colunas são address ou endereco, password ou senha, new_password ou nova_senha e Secao.Chave, por exemplo Conexao.IPLocal; hxconfig-cli show lista as chaves)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coluna repetida &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta a coluna address (ou endereco) no cabeçalho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>valor &quot;%1&quot; na coluna %2, que o cabeçalho não nomeia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta o endereço (coluna address ou endereco)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nenhum terminal depois do cabeçalho</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não foi possível abrir o arquivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linha %1: o arquivo acaba na linha %2; são necessárias 40 linhas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linha %1: tem %2 pares, não 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linha %1: &quot;%2&quot; não é um par hexadecimal (coluna %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sem permissão</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arquivo ou pasta inexistente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parte do caminho não é uma pasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>já existe um arquivo com esse nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>é uma pasta, não um arquivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disco cheio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disco cheio (cota do usuário excedida)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disco cheio (limite de tamanho de arquivo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>é um link simbólico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sistema de arquivos somente leitura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arquivos abertos demais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erro de entrada e saída do dispositivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nome longo demais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erro de leitura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erro de gravação</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sem recursos do sistema (disco cheio?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não foi possível abrir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>não foi possível renomear o arquivo temporário</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erro do sistema de arquivos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Sem permissão de leitura.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erro ao ler o arquivo &quot;%1&quot;; a tabela mostra o que foi lido até o erro.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Image</name>
    <message>
        <source>%1 [%2.%3]: imagem %4, chaves %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;?&quot; no lugar de %1, que o Windows-1252 do terminal não tem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cortado em %1 caracteres, o tamanho do campo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 [%2.%3]: &quot;%4&quot; será gravado como &quot;%5&quot;: %6</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>faixa inválida: %1 (a.b.c.d/nn, de /16 a /32, ou a.b.c.d-e.f.g.h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faixa grande demais: %1 (no máximo /%2, %3 endereços)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faixa invertida: %1 (o primeiro endereço vem antes do último)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faixa grande demais: %1 (no máximo %2 endereços)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linha %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linha %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linhas %1 e %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linhas %1 e mais %2 (%3, ...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; uma planilha pode ter tirado o zero à esquerda: formate a coluna new_password como texto e digite a senha de novo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: o mesmo IP Local %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perfil: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>endereço inválido (IPv4 ou host:porta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta a senha (coluna password, --password, --password-file ou HXCONFIG_PASSWORD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: o mesmo terminal %2 em mais de uma linha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; o perfil define %2 para todos: dê a cada terminal o seu na coluna %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a senha deve ter de 1 a 6 caracteres, não %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a senha não pode conter os caracteres ‚ e ƒ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a nova senha deve ter exatamente 6 caracteres, não %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nova senha: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>terminal não está pronto (status recusado)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leitura recusada: verifique a senha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>desbloqueio recusado pelo terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reinício não concluído: o terminal recusou</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>conexão recusada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>conexão encerrada pelo terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>endereço não encontrado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tempo esgotado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rede ou terminal inalcançável</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sem recursos do sistema para abrir a conexão</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sem permissão para abrir a conexão</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>endereço local indisponível</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erro de rede (código %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>conexão</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pedido de status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gravação</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reinício</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>envio do logotipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>conexão recusada: o terminal está ligado, no endereço e porta certos?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>terminal não localizado: sem conexão em %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>terminal não localizado: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sem resposta do terminal em %1 ms (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resposta inválida do terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>conexão encerrada pelo terminal (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pedido fora de ordem (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erro de conexão (%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>campos de texto vazios: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a nova senha deve ter exatamente 6 caracteres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; nada foi gravado no terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verificação falhou: o terminal recusou a leitura com a senha gravada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verificação falhou: o terminal guarda outra configuração do que a enviada%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (cópia de segurança: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o arquivo é de outro terminal (MAC %1; este terminal tem MAC %2): use --clone para copiar só os campos editáveis</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProblemMarkers</name>
    <message>
        <source>; sugestão: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 problema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problemas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aviso</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfmExibeLog</name>
    <message>
        <source>Arquivo Microterminal TCP-IP  Corvale Tecnologia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir arquivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivo Texto|*.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabela: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfmVarnel</name>
    <message>
        <source>Limpar Caixa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erro ao escrever no arquivo de configuração em:<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível apagar a seção HXConfig de </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuração</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geralmente a Porta COM 0 é configurada como &quot;NÃO&quot;!<byte value="xd"/>Têm certeza que deseja configurar como &quot;SIM&quot; e alterar suas configurações?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifique a existência de campo em branco!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aguarde...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nova Senha Deverá ter 6 Dígitos!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log de configuração gerado com sucesso!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falha ao gerar Log de configuração!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivo Texto (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível lêr o arquivo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivo LogCfg.txt não localizado!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desconectar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digite o Endreço IP do Terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desconectado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digite a Senha!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digite a Senha para Desbloqueio!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reiniciando...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal Não Respondendo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retorno de Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retorno de Leitura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível efetuar a leitura<byte value="xd"/>Verifique a senha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi Possível Desbloquear Terminal!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal Desbloqueado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reboot Não foi concluído!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reiniciar Microterminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gravação realizada com sucesso!<byte value="xd"/>Deseja reiniciar o terminal para que os<byte value="xd"/>novo valores entrem em funcionamento?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso: Reiniciar Terminal!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal não localizado<byte value="xd"/>Verifique endereço IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível se conectar!<byte value="xd"/>Verifique se outro aplicativo está sendo executado!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conexão perdida!<byte value="xd"/>Verifique se o terminal não foi desligado!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falha na conexão</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuração (*.ini)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup falhou: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aviso: apagar a pasta de compilação apaga os backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Os backups das leituras vão para %1, dentro da pasta de compilação %2: apagar essa pasta apaga também os backups.
Para guardá-los em outro lugar, use o pacote instalado (backups em ~/.config/hxconfig/Backups) ou o hxconfig-cli com --backup-dir PASTA.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar Configuração</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível exportar a configuração:<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carregar Configuração</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível carregar a configuração:<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nada foi carregado. Valores que não correspondem a nenhum item:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esta configuração é de outro terminal (MAC %1). Carregar mesmo assim?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasta Backups não localizada!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvex Tech - Configuração Terminal 2G - Versão 2.0.0.9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP do Terminal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senha Atual: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senha Atual:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nova Senha: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nova Senha:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rede</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout Rede</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocidade de Rede</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nº Retries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half/Full Duplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conexão</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conexão TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Remoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porta Remota</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porta Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CNPJ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VT - 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TelNet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tecla DEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impressora Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conexão TelNet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acionamento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teclado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polaridade AT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Habilita Touch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sincronismo de Vídeo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leitor Mifare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface de RF 2.4G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Interface de RF 2.4G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nº do Terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canal Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taxa de Transmissão</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seriais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud - Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud - Rate COM 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud - Rate COM 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paridade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paridade COM 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paridade COM 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nº de Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nº de Bits COM 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nº de Bits COM 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Bits COM 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Bits COM 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HandShake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HandShake COM 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HandShake COM 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flag Serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flag Serial COM 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flag Serial COM 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout COM 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout COM 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir Arquivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lê Arquivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escrever Arquivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pede Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desbloqueio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gravar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Conf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arquivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diretório</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visualizar Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparar com o Lido…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar Configuração…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carregar Configuração…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir Backups</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolTips</name>
    <message>
        <source>Define a borda do sinal de clock utilizado
<byte value="xd"/>na leitura dos dados na interface teclado AT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permitir o funcionamento da interface Serial 0/1. A Serial 1 é por default instalada no equipamento.
<byte value="xd"/>A Serial 0 é opcional, caso não esteja instalada sua habilitação deverá ser definida como Não.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: 1200, 2400, 4800, 9600, 19200, 38400, 57600 ou 115200 Bits/segundo.
<byte value="xd"/>Função: Determinar a velocidade de comunicação das portas Seriais.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Par, Impar, Nenhum
<byte value="xd"/>Função: Definir a existência de bit de paridade no byte de comunicação.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: 7 ou 8.
<byte value="xd"/>Função: Define o número de bits na palavra de comunicação.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: 1 ou 2.
<byte value="xd"/>Função: Definir o número de stop bits em cada byte transmitido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Nenhum, Xon/Xoff, Cts/Rts
<byte value="xd"/>Função: Determinar o tipo de controle de fluxo na comunicação da interface Serial.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Sim, Não
<byte value="xd"/>Função: Habilitar o envio de dados recebidos pela Serial do terminal no formato compatível com o Flag de Serial do Microterminal RS-485,
<byte value="xd"/>ou seja: “\” + chr(nibble superior+0x0e) + chr(nibble inferior + 0xe0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Campo numérico com três dígitos.
<byte value="xd"/>Função: Quando a serial estiver configurada para acionamento
<byte value="xd"/>com controle de fluxo, indica o tempo em milésimos de segundos que o Microterminal
<byte value="xd"/>espera antes de enviar o próximo caracter.
<byte value="xd"/>Quando o campo é configurado como 000 o terminal fica travado aguardando liberação, para então enviar o próximo caracter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: 16 teclas, 44 Numérico, 44 Qwerty ou 65 Teclas.
<byte value="xd"/>Função: Definir o tipo de teclado instalado no terminal.
<byte value="xd"/>Atenção: Este campo não deve ser alterado, pois as teclas de configuração não são as mesmas
<byte value="xd"/>entre os modelos 16 teclas, 44 teclas ou 65 teclas, uma vez alterado, a restauração só será possível em assistência técnica especializada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Nenhuma, Entrada, Saída, Todas
<byte value="xd"/>Função: Define a existência de interface de I/O digital no equipamento.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos:  Sim ou Não
<byte value="xd"/>Função:  Define a existência  de Leitor de Cartão Magnético.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Sim ou Não
<byte value="xd"/>Função: Habilitar a configuração dos parâmetros de comunicação através de RF em 2.4GHz e protocolo Corvale. Quando habilitado deverá ser
<byte value="xd"/>configurado outros três campos: Terminal Número, Canal Base e Taxa de Transmissão.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: 00 a 99
<byte value="xd"/>Função: Definir o número do terminal na comunicação com a  base de rádio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: 00 a 99
<byte value="xd"/>Função: Definir o canal dentro da freqüência de comunicação.
<byte value="xd"/>Deverá corresponder ao canal configurado na base de rádio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: 250Kbit/s ou 1Mbit/s
<byte value="xd"/>Função: Definir a velocidade dos dados na comunicação.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Client, Server, System ou Nenhum
<byte value="xd"/>Função: Definir qual o comportamento da conexão TCP.
<byte value="xd"/>VIDE MANUAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pede conexão ao IP e Porta configurados como remoto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aguarda a conexão no IP e Porta configurados como local.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campo válido quando protocolo for Telnet. Ao estabelecer a conexão Telnet, o sistema efetuará a
<byte value="xd"/>autenticação utilizando os parâmetros configurados em Login, Password e CNPJ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Campo digitado.Poderá ser qualquer string com no máximo 15 caracteres.
<byte value="xd"/>Função: Informar o login do usuário ao sistema. Quando o campo Conexão TCP estiver configurado como System e Protocolo estiver configurado como Telnet,
<byte value="xd"/>ao receber a string “login:”, após a conexão, o microterminal enviará para o servidor, o parâmetro configurado neste campo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Campo digitado. Poderá ser qualquer string com no máximo 15 caracteres.
<byte value="xd"/>Função: Informar o password do usuário ao sistema Quando o campo Conexão TCP estiver configurado como System e Protocolo estiver configurado como Telnet,
<byte value="xd"/>ao receber a string “password:”, após a conexão, o microterminal enviará para o servidor, o parâmetro configurado neste campo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Campo digitado. Poderão ser digitados somente números, com no máximo 15 dígitos.
<byte value="xd"/>Função: Informar o CNPJ da empresa ao sistema Quando o campo Conexão TCP estiver configurado como System e Protocolo estiver configurado como Telnet,
<byte value="xd"/>ao receber a string “cgc:”, após a conexão, o microterminal enviará para o servidor, o parâmetro configurado neste campo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Programado em Fábrica
<byte value="xd"/>Função: Assinalar a placa seu endereço de hardware. Este valor é programado na fábrica e não poderá ser modificado.
<byte value="xd"/>O Acesso também é protegido por senha, diferente da senha de configuração.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Função: Determinar o endereço IP do terminal.
<byte value="xd"/>VIDE MANUAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Função: Determinar o valor da porta local do terminal.
<byte value="xd"/>Será a porta que o terminal abrirá para comunicar-se com a rede Ethernet.
<byte value="xd"/>Recomenda-se utilizar valores de 1024 a 9999, pois de 0 a 1023 são portas reservadas para alguns serviços como http, ftp, Telnet e outros.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Função: Determina o IP remoto, este valor será o IP onde o terminal tentará conectar
<byte value="xd"/>quanto estiver no modo client, e servirá como ‘firewall’ quando o terminal estiver operando como server,
<byte value="xd"/>caso o valor seja diferente de ‘0.0.0.0’.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Função: Determina a Porta remota, este valor será a Porta onde o terminal tentará conectar
<byte value="xd"/>quanto estiver no modo client, e servirá como ‘firewall’ quando o terminal estiver operando como server, caso o valor seja diferente de ‘0000’.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Função: Define o endereço de um Gateway, caso exista na rede. Se não houver um instalado, o valor deverá ser configurado como ‘0.0.0.0’.
<byte value="xd"/>Também é necessário que os IPs Origem e Destino estejam na mesma rede local e que esteja utilizando a máscara
<byte value="xd"/>adequada, por exemplo, um computador com IP 1.1.1.1 não poderá conectar-se a um computador com IP 1.1.2.1, se a máscara da rede for
<byte value="xd"/>255.255.255.0, pois o valor da máscara é comparado com o endereço IP, portanto embora conectados ao mesmo cabo eles não se comunicam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Função: Define o valor da mascara de sub-rede. Este determinará quais IPs estarão acessando a mesma sub-rede.
<byte value="xd"/>Por exemplo, a máscara 255.255.0.0 permite utilizar os dois últimos octetos para controle dos IPs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores Padrão: 1000, 2000 e 4000
<byte value="xd"/>Função: Determinar o tempo inicial de espera de resposta para um pacote enviado na rede Ethernet.
<byte value="xd"/>Com estes valores obtêm-se um tempo de 100 m/s, 200 m/s e 400 m/s respectivamente. Caso o valor seja ‘0000’, o timeout será definido internamente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Função: Determinar o número de tentativas de reenvio de um pacote TCP na rede Ethernet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Automático, 10 Mbit/s ou 100 Mbit/s.
<byte value="xd"/>Função: Determinar a velocidade de conexão na rede. Quando definido como automático a interface de rede
<byte value="xd"/>determinará a melhor conexão a ser efetuada. Quando definido como 10 ou 100 a velocidade ficará fixada independente da capacidade do outro
<byte value="xd"/>lado de efetuar a conexão na mesma velocidade.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Half ou Full.
<byte value="xd"/>Função: Determinar o tipo de fluxo de dados na conexão Ethernet. Quando o parâmetro de velocidade for definido como ‘Automático’,
<byte value="xd"/>este campo não será pedido e também será tratado internamente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Sim ou Não
<byte value="xd"/>Função: Habilitar o uso do leitor smart-card Mifare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Função: Definir o protocolo de comunicação do terminal. Quando a seleção for Telnet, após a conexão o terminal passará a emular o protocolo VT-100, também quando a configuração
<byte value="xd"/>for efetuada para emulação Telnet, deve-se configurar a Porta Remota como 0023.
<byte value="xd"/>VIDE MANUAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Serial ou Paralela
<byte value="xd"/>Função: Definir a interface de impressão padrão, quando o protocolo de comunicação do Terminal HX2 estiver
<byte value="xd"/>configurado em VT100. A interface de impressão padrão é a saída de impressão definida quando, apenas o comando de abertura de impressão é enviado
<byte value="xd"/>pelo Software (comando ESC[5i). Caso o Software modifique a saída de impressão (comando ESC[?24h ou ESC[?24l), esta saída passará a ser a nova saída de impressão até o
<byte value="xd"/>recebimento de outro comando ou desligamento do equipamento.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Campo digitado. Poderá ser digitada qualquer string com no máximo 15 caracteres.
<byte value="xd"/>Função: Determinar o nome da conexão Telnet. Este nome é o nome do tipo de Terminfo configurado no servidor para a operação do terminal.
<byte value="xd"/>Ver protocolo Vt-100 no manual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: chr(8) ou chr(127).
<byte value="xd"/>Função: Determinar o valor de retorno da tecla Backspace, quando configurado com protocolo VT100 ou Telnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: chr(27) ou chr(127)
<byte value="xd"/>Função: Determinar o valor de retorno da tecla Del, quando configurado com protocolo VT100 ou Telnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: 00 a 99
<byte value="xd"/>Função: Número de décimos de segundos que a tela inicial de espera para entrada na configuração será apresentada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: Sim ou Não<byte value="xd"/>Função: Habilitar o uso da serial 0 como porta de entrada para uma interface touch-screen.<byte value="xd"/>Deve-se habilitar a Serial 0 do Terminal com 9600, N, 8, 1 e sem controle de fluxo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores válidos: H-   V-, H+   V-, H-   V+ ou H+   V+<byte value="xd"/>Função:Configurar os sinais de vídeo de forma a imagem ficar o mais centralizada possível no monitor.<byte value="xd"/>Por default o valor é H-V+, porém se com este valor a imagem não centralizar ( ao menos na vertical ),<byte value="xd"/>pode-se utilizar este parâmetro antes de fazer modificações nos ajustes do próprio monitor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solicita ao Terminal o Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Realiza a leitura das configurações existentes no Terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desbloqueia o Terminal permitindo gravar as alterações realizadas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Executa a gravação dos novos parâmetros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Executa a leitura de um arquivo de inicialização contendo a configuração padrão da empresa<byte value="xd"/>Local do Arquivo INI: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinicia o terminal para que os novos parâmetros entrem em funcionamento</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
