#pragma once
// A pupil's profile: an INI file with one section per exercise, and beside it
// (same path, other extension) the results protocol ".txt", the error list
// ".fhl", the certificate data ".zgn", the result summary ".rtf" and the
// history ".csv".
#include <QString>
#include <QStringList>

class PupilProfile {
public:
    explicit PupilProfile(QString path) : path_(std::move(path)) {}

    // The profile named by a registry value: an absolute value (holding ":" or
    // "\\", or a native absolute path) as it stands; a relative one always
    // means the data root + its file name, whatever folders it names. An empty
    // value means the shared profile.
    static PupilProfile OfRegistryValue(const QString& value);
    // DataRoot + "jeder.ini": the profile of everyone without a name of their
    // own and the template of new pupils.
    static PupilProfile Shared();
    static PupilProfile Current();   // CurrentProfilePath

    const QString& Path() const { return path_; }
    QString ProtocolFile() const;      // ".txt"
    QString ErrorListFile() const;     // ".fhl"
    QString CertificateFile() const;   // ".zgn"
    QString SummaryFile() const;       // ".rtf"
    QString HistoryFile() const;       // ".csv", the lasting history of the answers
    // The profile and every file beside it.
    QStringList Files() const;

    bool IsShared() const;
    bool SameAs(const PupilProfile& other) const;

    // Writes "[CDtest] aufCD=false": true when the profile can be written.
    bool WriteTest() const;

private:
    QString path_;
};
