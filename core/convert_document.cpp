#include "core/convert_document.h"

#include <new>
#include <vector>

#include "core/document_information.h"
#include "core/document_password.h"
#include "core/document_reader.h"
#include "core/font_table.h"
#include "core/style_sheet.h"

namespace quorin {

namespace {

constexpr uint32_t kSignature = 0x435057FF;  // 0xFF "WPC"
constexpr uint16_t kIndexBlock = 0xFFFB;
constexpr size_t kEntrySize = 10;
constexpr size_t kMaxEntriesPerBlock = 4;


enum class FontPacketKind { kNone, kFontList, kNamePool };

// Everything the walk of the prefix area gathers.
struct Prolog {
    RtfBuffer fontTable;
    RtfBuffer documentInformation;
    RtfBuffer styleSheet{"{\\stylesheet"};
    RtfBuffer initialCodes;
    RtfBuffer pendingFont;
    FontPacketKind pendingKind = FontPacketKind::kNone;
};

// The packet's bytes, cut at the end of the file.
RtfBuffer PacketData(const CodeView& file, uint32_t offset, uint32_t length) {
    if (offset >= file.size()) return {};
    return RtfBuffer(file.substr(offset, length));
}

void ActOnPacket(uint16_t type, RtfBuffer data, Prolog& prolog, const ConversionOptions& options,
                 const CancelRequest& cancel, FontResolver* fonts, OutputBudget& budget) {
    if (type == 1) {
        WriteDocumentInformation(data, prolog.documentInformation);
    } else if (type == 3) {
        prolog.initialCodes = std::move(data);
    } else if (type == 2 || type == 15 || type == 7) {
        const FontPacketKind kind = type == 7 ? FontPacketKind::kNamePool : FontPacketKind::kFontList;
        if (prolog.pendingKind == FontPacketKind::kNone || prolog.pendingKind == kind) {
            // A second packet of the kind already held replaces it.
            prolog.pendingFont = std::move(data);
            prolog.pendingKind = kind;
            return;
        }
        RtfBuffer& fontList = kind == FontPacketKind::kFontList ? data : prolog.pendingFont;
        RtfBuffer& namePool = kind == FontPacketKind::kFontList ? prolog.pendingFont : data;
        WriteFontTable(fontList, namePool, prolog.fontTable, cancel, fonts);
        prolog.pendingFont.clear();
        prolog.pendingKind = FontPacketKind::kNone;
    } else if (type >= 256 && type <= 511) {
        WriteStyleEntries(data, prolog.styleSheet, options, cancel, &budget);
    }
}

// Walks the chain of index blocks from offset 16. The walk stops at a block
// type of 0, a next offset of 0 or past the file, a block seen before (a
// looping chain), or a cancel request. Packet data handed on is limited to a
// few times the file's size, so a chain that names one large packet over and
// over cannot multiply the work.
void WalkPrefix(const CodeView& file, Prolog& prolog, const ConversionOptions& options, const CancelRequest& cancel,
                FontResolver* fonts, OutputBudget& budget) {
    std::vector<uint32_t> visited;
    uint64_t packetBudget = 4 * uint64_t{file.size()} + 65536;
    uint32_t block = 16;
    while (block != 0 && !cancel.Requested() && block <= file.size()) {
        for (uint32_t seen : visited)
            if (seen == block) return;
        visited.push_back(block);
        const uint16_t type = file.WordOr0(block);
        const uint16_t entryCount = file.WordOr0(block + 2);
        const uint32_t next = file.DwordOr0(block + 6);
        if (type == 0) return;
        if (type == kIndexBlock) {
            const size_t entries = entryCount > 0 ? std::min<size_t>(entryCount - 1u, kMaxEntriesPerBlock) : 0;
            for (size_t i = 1; i <= entries; ++i) {
                const size_t entry = block + i * kEntrySize;
                const uint16_t packetType = file.WordOr0(entry);
                if (packetType == 0) break;
                const uint32_t length = file.DwordOr0(entry + 2);
                const uint32_t offset = file.DwordOr0(entry + 6);
                RtfBuffer data = PacketData(file, offset, length);
                if (data.size() > packetBudget) continue;
                packetBudget -= data.size();
                ActOnPacket(packetType, std::move(data), prolog, options, cancel, fonts, budget);
            }
        }
        block = next;
    }
}

}  // namespace

Refusal HeaderRefusal(std::string_view bytes) {
    CodeView document(bytes);
    // A file shorter than its 16-byte header is no WordPerfect document.
    if (document.size() < 16 || document.DwordOr0(0) != kSignature || document.ByteOr0(8) != 1 ||
        document.ByteOr0(10) != 0 || document.ByteOr0(11) > 1)
        return Refusal::kNotWordPerfect;
    if (document.ByteOr0(9) != 10) return Refusal::kNotStandard;
    if (document.DwordOr0(4) > document.size()) return Refusal::kErrorInFile;
    return Refusal::kNone;
}

const char* RefusalText(Refusal refusal) {
    switch (refusal) {
        case Refusal::kNone: return "";
        case Refusal::kNotWordPerfect: return "Document is not a WordPerfect 5.X Document!\n";
        case Refusal::kNotStandard: return "Document is not a standard WordPerfect 5.X Document!\n";
        case Refusal::kErrorInFile: return "Error in file!\n";
        case Refusal::kProtected: return "Document is protected by a password!\n";
        case Refusal::kWrongPassword: return "Document is protected by a password: the password given is wrong!\n";
    }
    return "";
}

int ConvertDocument(std::string_view bytes, RtfSink& out, RtfBuffer& message, ProgressTracker* tracker,
                    const ConversionOptions& options, const CancelRequest& cancel, FontResolver* fonts,
                    ConversionNotes* notes) {
    const bool rightToLeft = options.rightToLeftDocument == 1;
    CodeView document(bytes);

    if (const Refusal refusal = HeaderRefusal(bytes); refusal != Refusal::kNone) {
        message = RefusalText(refusal);
        return kNotConverted;
    }
    const uint32_t documentArea = document.DwordOr0(4);
    // Without the right password a protected document would convert into
    // garbage; with it, the conversion reads a plain copy.
    RtfBuffer unlocked;
    if (EncryptionKeyOf(document) != 0) {
        unlocked.assign(bytes);
        if (!UnlockDocument(unlocked, options.password)) {
            message = RefusalText(options.password.empty() ? Refusal::kProtected : Refusal::kWrongPassword);
            return kProtected;
        }
        document = CodeView(unlocked);
    }

    // One cap on the RTF of the whole conversion: styles and body alike.
    OutputBudget budget{OutputBudget::For(document.size())};
    Prolog prolog;
    WalkPrefix(document, prolog, options, cancel, fonts, budget);
    if (cancel.Requested()) return kCancelled;

    // The pieces before the body are complete now, so they go out first and
    // the body follows as it is converted.
    out.Append(rightToLeft ? "{\\rtf1\\ansi\n\\deff1000" : "{\\rtf1\\ansi\n\\deff0");
    out.Append(prolog.fontTable);
    out.Append(prolog.documentInformation);
    out.Append(prolog.styleSheet);
    out.Append('}');
    out.Append("\\qj\\fet2\\enddoc\\aenddoc\\ftnnar\\aftnnar\\viewkind1\\facingp"
               "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440");
    out.Append(rightToLeft ? "\\rtldoc\\rtlgutter\\rtlsect\\rtlpar" : "\\ltrdoc\\ltrgutter\\ltrsect\\ltrpar");

    DocumentReader reader(options, cancel);
    reader.outputBudget = &budget;
    ConversionNotes found;
    reader.notes = &found;
    reader.RunDocument(prolog.initialCodes, document.substr(documentArea), out, tracker);
    out.Append('}');
    if (notes) *notes = found;
    return kConverted;
}

int ConvertDocument(RtfBuffer& document, RtfBuffer& message, ProgressTracker* tracker,
                    const ConversionOptions& options, const CancelRequest& cancel, FontResolver* fonts,
                    ConversionNotes* notes) {
    StringSink rtf;
    const int result = ConvertDocument(std::string_view(document), rtf, message, tracker, options, cancel, fonts, notes);
    if (result == kConverted) document = rtf.TakeText();
    return result;
}

int ConvertDocument(std::string_view document, RtfSink& out, RtfBuffer& message, ProgressTracker* tracker,
                    const ConversionOptions& options, FontResolver* fonts, ConversionNotes* notes) {
    const CancelRequest never;
    return ConvertDocument(document, out, message, tracker, options, never, fonts, notes);
}

int ConvertDocument(RtfBuffer& document, RtfBuffer& message, ProgressTracker* tracker,
                    const ConversionOptions& options, FontResolver* fonts, ConversionNotes* notes) {
    const CancelRequest never;
    return ConvertDocument(document, message, tracker, options, never, fonts, notes);
}

}  // namespace quorin
