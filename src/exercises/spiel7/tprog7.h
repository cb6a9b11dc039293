#pragma once
// Tprog7: exercise 7, "Lesen lernen": reading without a quiz. The pictures
// are the current entry (field 101) and the entries after it in list order;
// a click on a picture makes that entry the current one, shows its word in
// the word field and speaks it. Every click is recorded: the clicked word
// for the entry that was current, "-OK-" for the new one.
#include "exercises/spiel3/tprog3.h"
#include "sound/twav.h"

class Tprog7 : public Tprog3 {
    Q_OBJECT
public:
    static constexpr int kNoticeCode = 6;

    explicit Tprog7(QWidget* parent = nullptr);

    // How the last word was played: whole on the word field, or the part
    // after the article on the range channel (from, to in ms).
    bool LastPlayedWhole() const { return lastWhole_; }
    int LastRangeFrom() const { return lastFrom_; }

protected:
    void DrawSlots() override;
    void RunSettingsDialog() override;
    int NoticeCode() const override { return kNoticeCode; }
    void DrawingNotice(int field) override;
    void WordChanged() override;
    void SpeakNewTask() override { SpeakShownWord(); }
    void OnCommand(int number, int code) override;
    void OptionsPressed() override;
    // Reading has no right or wrong: every word met was read, so none goes
    // to the error list and the certificate shows each as read ("-OK-").
    QString NormaliseAnswer(const QString& record) const override
    {
        Q_UNUSED(record);
        return QStringLiteral("-OK-");
    }

private:
    void ReadingClick(int field);
    void SpeakShownWord();

    TWAV wav_;   // WAV1: plays a recording without its article
    bool lastWhole_ = true;
    int lastFrom_ = 0;
};
