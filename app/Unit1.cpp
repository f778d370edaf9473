#include "Unit1.h"

#include "WindowDescription.h"

#include <array>

TForm1 *Form1 = nullptr;

namespace {

template<class TField>
TPublishedField Published(std::string_view name, TField *&field)
{
    return {name, [&field](TComponent *component) {
                field = dynamic_cast<TField *>(component);
                return field != nullptr;
            }};
}

} // namespace

#define KESTRO_FIELD(name) Published(#name, name)

TForm1::TForm1(TComponent *Owner)
    : TForm(Owner)
{
    const std::array fields {
        KESTRO_FIELD(SeqType),
        KESTRO_FIELD(Label1),
        KESTRO_FIELD(SetupFlag),
        KESTRO_FIELD(Label2),
        KESTRO_FIELD(Tempo),
        KESTRO_FIELD(Label3),
        KESTRO_FIELD(label),
        KESTRO_FIELD(TimeSIG),
        KESTRO_FIELD(SSONG),
        KESTRO_FIELD(SongName),
        KESTRO_FIELD(OpenDialog),
        KESTRO_FIELD(Label4),
        KESTRO_FIELD(Label5),
        KESTRO_FIELD(Label6),
        KESTRO_FIELD(Label7),
        KESTRO_FIELD(Label8),
        KESTRO_FIELD(Label9),
        KESTRO_FIELD(Label10),
        KESTRO_FIELD(Label11),
        KESTRO_FIELD(Trk1Tch),
        KESTRO_FIELD(Trk2Tch),
        KESTRO_FIELD(Trk3Tch),
        KESTRO_FIELD(Trk4Tch),
        KESTRO_FIELD(Trk5Tch),
        KESTRO_FIELD(Trk6Tch),
        KESTRO_FIELD(Trk7Tch),
        KESTRO_FIELD(Trk8Tch),
        KESTRO_FIELD(FileOpen),
        KESTRO_FIELD(FilePath),
        KESTRO_FIELD(TimeSIG0),
        KESTRO_FIELD(TimeSIG1),
        KESTRO_FIELD(TimeSIG2),
        KESTRO_FIELD(TimeSIG3),
        KESTRO_FIELD(TimeSIG4),
        KESTRO_FIELD(TimeSIG5),
        KESTRO_FIELD(TimeSIG6),
        KESTRO_FIELD(TimeSIG7),
        KESTRO_FIELD(TimeSIG8),
        KESTRO_FIELD(TimeSIG9),
        KESTRO_FIELD(TimeSIG10),
        KESTRO_FIELD(TimeSIG11),
        KESTRO_FIELD(TimeSIG12),
        KESTRO_FIELD(TimeSIG13),
        KESTRO_FIELD(TimeSIG14),
        KESTRO_FIELD(TimeSIG15),
        KESTRO_FIELD(TimeSIG16),
        KESTRO_FIELD(TimeSIG17),
        KESTRO_FIELD(TimeSIG18),
        KESTRO_FIELD(TimeSIG19),
        KESTRO_FIELD(TimeSIG20),
        KESTRO_FIELD(TimeSIG21),
        KESTRO_FIELD(TimeSIG22),
        KESTRO_FIELD(TimeSIG23),
        KESTRO_FIELD(TimeSIG24),
        KESTRO_FIELD(TimeSIG25),
        KESTRO_FIELD(TimeSIG26),
        KESTRO_FIELD(TimeSIG27),
        KESTRO_FIELD(Label12),
        KESTRO_FIELD(SynthMode),
        KESTRO_FIELD(label100),
        KESTRO_FIELD(VoiceType),
        KESTRO_FIELD(Label13),
        KESTRO_FIELD(VoiceNumber),
        KESTRO_FIELD(Label14),
        KESTRO_FIELD(RhythmMode),
        KESTRO_FIELD(Label15),
        KESTRO_FIELD(RhythmNumber),
        KESTRO_FIELD(TrackList),
        KESTRO_FIELD(Trk1Sel),
        KESTRO_FIELD(Trk2Sel),
        KESTRO_FIELD(Trk3Sel),
        KESTRO_FIELD(Trk4Sel),
        KESTRO_FIELD(Trk5Sel),
        KESTRO_FIELD(Trk6Sel),
        KESTRO_FIELD(Trk7Sel),
        KESTRO_FIELD(Trk8Sel),
        KESTRO_FIELD(TrackSelect),
        KESTRO_FIELD(TimeSigSel),
    };
    static_assert(fields.size() == 78);

    auto method = [this](std::string_view name, void (TForm1::*handler)(TObject *)) {
        return TPublishedMethod {
            name, [this, handler](TObject *sender) { (this->*handler)(sender); }};
    };
    const std::array methods {
        method("FileOpenClick", &TForm1::FileOpenClick),
        method("Trk1SelClick", &TForm1::Trk1SelClick),
        method("Trk2SelClick", &TForm1::Trk2SelClick),
        method("Trk3SelClick", &TForm1::Trk3SelClick),
        method("Trk4SelClick", &TForm1::Trk4SelClick),
        method("Trk5SelClick", &TForm1::Trk5SelClick),
        method("Trk6SelClick", &TForm1::Trk6SelClick),
        method("Trk7SelClick", &TForm1::Trk7SelClick),
        method("Trk8SelClick", &TForm1::Trk8SelClick),
    };

    ReadDescription(Form1Description(), fields, methods);
}

#undef KESTRO_FIELD

TForm1::~TForm1() = default;

TRadioButton *TForm1::TimeSigButton(int index) const
{
    const std::array buttons {TimeSIG0, TimeSIG1, TimeSIG2, TimeSIG3, TimeSIG4, TimeSIG5, TimeSIG6,
        TimeSIG7, TimeSIG8, TimeSIG9, TimeSIG10, TimeSIG11, TimeSIG12, TimeSIG13, TimeSIG14,
        TimeSIG15, TimeSIG16, TimeSIG17, TimeSIG18, TimeSIG19, TimeSIG20, TimeSIG21, TimeSIG22,
        TimeSIG23, TimeSIG24, TimeSIG25, TimeSIG26, TimeSIG27};
    return buttons.at(std::size_t(index));
}

TRadioButton *TForm1::TrackButton(int index) const
{
    const std::array buttons {
        Trk1Sel, Trk2Sel, Trk3Sel, Trk4Sel, Trk5Sel, Trk6Sel, Trk7Sel, Trk8Sel};
    return buttons.at(std::size_t(index));
}

TEdit *TForm1::TrackChannelEdit(int index) const
{
    const std::array edits {Trk1Tch, Trk2Tch, Trk3Tch, Trk4Tch, Trk5Tch, Trk6Tch, Trk7Tch, Trk8Tch};
    return edits.at(std::size_t(index));
}
