// The box-drawing set (3): every character as Unicode with a one-byte
// windows-1252 fallback in a group of its own.
#include "charsets/set_tables.h"

namespace quorin::charsets {

namespace {

constexpr std::string_view kBoxForm = R"({\uc1\uN\'hh})";

constexpr auto BuildBoxDrawing() {
    FormTable<56> t;
    t.Run(0, 7, kBoxForm, "9617/a6, 9618/a6, 9619/a6, 9608/a6, 9612/a6, 9600/af, 9616/a6, 9604/5f");
    // Single lines, then double lines in the same order.
    t.Run(8, 18, kBoxForm,
          "9472/2d, 9474/a6, 9484/2b, 9488/2b, 9496/2b, 9492/2b, 9500/2b, 9516/2d, 9508/a6, 9524/2d, 9532/2b");
    t.Run(19, 29, kBoxForm,
          "9552/2d, 9553/a6, 9556/2b, 9559/2b, 9565/2b, 9562/2b, 9568/a6, 9574/2d, 9571/a6, 9577/2d, 9580/2b");
    t.Run(30, 37, kBoxForm, "9554/2b, 9557/2b, 9563/2b, 9560/2b, 9555/2b, 9558/2b, 9564/2b, 9561/2b");
    t.Run(38, 47, kBoxForm,
          "9566/a6, 9573/2d, 9569/a6, 9576/2d, 9567/a6, 9572/2d, 9570/a6, 9575/2d, 9579/2b, 9578/2b");
    // Half lines, single (left, top, right, bottom) then double; Unicode has
    // no double half lines, so the heavy ones stand in for them.
    t.Run(48, 51, kBoxForm, "9588/2d, 9589/a6, 9590/2d, 9591/a6");
    t.Run(52, 55, kBoxForm, "9592/2d, 9593/a6, 9594/2d, 9595/a6");
    return t.Finish();
}

constexpr auto kBoxDrawing = BuildBoxDrawing();

}  // namespace

std::span<const CharacterForm> BoxDrawingForms() { return kBoxDrawing; }

}  // namespace quorin::charsets
