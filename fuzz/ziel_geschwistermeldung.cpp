// The reader of the sibling program's messages: the input as the bytes arriving on the local
// socket, cut into copy-data records and each record's text read and recognised as the main
// window does.

#include "app/geschwistermeldung.h"
#include "fuzzumgebung.h"

#include <QBuffer>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    QBuffer quelle(&bytes);
    quelle.open(QIODevice::ReadOnly);
    NimmKopierdatensaetze(quelle, [](const QByteArray& satz) {
        if (static_cast<quint32>(satz.size()) > CGeschwisterVerbindung::MaxDatenlaenge)
            std::abort();
        const std::string text = LeseKopierdatenText(satz.constData(), satz.size());
        if (text.size() > static_cast<size_t>(satz.size()))
            std::abort();
        if (IstVordergrundNachricht(text))
            IstVordergrundAnfrageAn(text, "4711");
    });
    return 0;
}
