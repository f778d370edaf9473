// One line of text per event. Each formatter masks its bytes to the bits it shows, puts the numbers
// behind their labels and appends the line at the end of the track list.
#include "LineBuilder.h"
#include "app/Unit1.h"

namespace {

void Append(TListBox *list, const LineBuilder &line)
{
    list->Items()->Add(line.View());
}

} // namespace

void TForm1::AddTrackStartLine()
{
    TrackList->Items()->Add("--------(TRACK START)--------");
}

void TForm1::AddTrackEndLine()
{
    TrackList->Items()->Add("---------(TRACK END)---------");
}

void TForm1::AddMeasureLine()
{
    TrackList->Items()->Add("-----------(MEAS)------------");
}

void TForm1::AddShortTimeLine(int p1)
{
    LineBuilder line;
    line << " Short Time: ";
    line.Decimal(p1 & 0x7F, 3);
    Append(TrackList, line);
}

void TForm1::AddLongTimeLine(int p1, int p2)
{
    LineBuilder line;
    line << " Long Time: ";
    line.Decimal((p1 & 0x7F) * 128 + (p2 & 0x7F), 4);
    Append(TrackList, line);
}

void TForm1::AddShortNoteLine(int p1, int p2, int p3)
{
    LineBuilder line;
    line << " ShortNote Duration(HEX): ";
    line.Hex(p1 & 0x3F, 2) << "   NoteNumber(HEX):";
    line.Hex(p2 & 0x7F, 2) << "   Velocity:";
    line.Decimal(p3 & 0x7F, 3);
    Append(TrackList, line);
}

void TForm1::AddShortNote40Line(int p1, int p2)
{
    LineBuilder line;
    line << " ShortNote40 Duration(HEX): ";
    line.Hex(p1 & 0x3F, 2) << "   NoteNumber(HEX):";
    line.Hex(p2 & 0x7F, 2);
    Append(TrackList, line);
}

void TForm1::AddLongNoteLine(int p1, int p2, int p3, int p4)
{
    LineBuilder line;
    line << " LongNote Duration(HEX): ";
    line.Hex((p1 & 0x1F) * 128 + (p2 & 0x7F), 3) << "   NoteNumber(HEX):";
    line.Hex(p3 & 0x7F, 2) << "   Velocity:";
    line.Decimal(p4 & 0x7F, 3);
    Append(TrackList, line);
}

// Its note number is labelled without "(HEX)", though written in hexadecimal like the others.
void TForm1::AddLongNote40Line(int p1, int p2, int p3)
{
    LineBuilder line;
    line << " LongNote40 Duration(HEX): ";
    line.Hex((p1 & 0x1F) * 128 + (p2 & 0x7F), 3) << "   NoteNumber:";
    line.Hex(p3 & 0x7F, 2);
    Append(TrackList, line);
}

void TForm1::AddPolyAfterTouchLine(int p1, int p2, int p3)
{
    LineBuilder line;
    line << " PolyphonicAfterTouch(HEX): ";
    line.Hex(p1 & 0xFF, 2) << "   NoteNumber(HEX):";
    line.Hex(p2 & 0x7F, 2) << "   Velocity(HEX):";
    line.Hex(p3 & 0x7F, 2);
    Append(TrackList, line);
}

void TForm1::AddControlChangeLine(int p1, int p2, int p3)
{
    LineBuilder line;
    line << " ControlChange(HEX): ";
    line.Hex(p1 & 0xFF, 2) << "   Control(HEX):";
    line.Hex(p2 & 0x7F, 2) << "   Velocity(HEX):";
    line.Hex(p3 & 0x7F, 2);
    Append(TrackList, line);
}

void TForm1::AddProgramChangeLine(int p1, int p2)
{
    LineBuilder line;
    line << " ProgramChange(HEX): ";
    line.Hex(p1 & 0xFF, 2) << "   Number(HEX):";
    line.Hex(p2 & 0x7F, 2);
    Append(TrackList, line);
}

void TForm1::AddChannelAfterTouchLine(int p1, int p2)
{
    LineBuilder line;
    line << " ChannelAfterTouch(HEX): ";
    line.Hex(p1 & 0xFF, 2) << "   Velocity(HEX):";
    line.Hex(p2 & 0x7F, 2);
    Append(TrackList, line);
}

// The 14-bit value takes two to four hexadecimal digits, so the line is 42 to 44 characters long.
void TForm1::AddWideControlChangeLine(int p1, int p2, int p3)
{
    LineBuilder line;
    line << " ControlChange(HEX): ";
    line.Hex(p1 & 0xFF, 2) << "   Velocity(HEX):";
    line.Hex((p2 & 0x7F) * 128 + (p3 & 0x7F), 2);
    Append(TrackList, line);
}
