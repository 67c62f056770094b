#pragma once
// For the readers that take a path: the fuzz input as a file of its own,
// written anew for every input. The file lives as long as the process and is
// removed when it ends.

#include "Erwartung.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryFile>

#include <cstddef>
#include <cstdint>

class Fuzzdatei {
public:
    // The path of a file that holds exactly these bytes.
    const QString& schreibe(const std::uint8_t* daten, std::size_t groesse)
    {
        erwarte(m_datei.isOpen() || m_datei.open());
        erwarte(m_datei.resize(0) && m_datei.seek(0) &&
                m_datei.write(reinterpret_cast<const char*>(daten), qint64(groesse)) == qint64(groesse) &&
                m_datei.flush());
        m_pfad = m_datei.fileName();
        return m_pfad;
    }

private:
    QTemporaryFile m_datei;
    QString m_pfad;
};
