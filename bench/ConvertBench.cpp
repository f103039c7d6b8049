// The converter's two halves on cards of a directory's shape, without the
// files around them: reading vCards into records (reader, mapper, record
// importer) and writing records as vCards. bench/convert-vs-abook.sh times
// the whole program on the same shape beside abook.

#include <string>

#include <benchmark/benchmark.h>

#include "convert/ContactReader.h"
#include "convert/ImportReport.h"
#include "convert/RecordImporter.h"
#include "data/RecordList.h"
#include "vcard/VCardWriter.h"

namespace {

// vCard 4.0 with CRLF line ends, names from a small set with and without
// accents, as bench/convert-vs-abook.sh makes them.
std::string Cards(int nCards)
{
    static const char* const kGiven[]
        = {"Chlo\u00E9", "Anna", "J\u00F6rg", "Marc", "Zo\u00EB", "Paul", "In\u00E8s", "Tom"};
    static const char* const kFamily[]
        = {"M\u00FCller", "Smith", "Bront\u00EB", "Jones", "Garc\u00EDa", "Dupont", "Pe\u00F1a", "Brown"};
    static const char* const kLowerGiven[]
        = {"chlo\u00E9", "anna", "j\u00F6rg", "marc", "zo\u00EB", "paul", "in\u00E8s", "tom"};
    std::string text;
    for (int i = 1; i <= nCards; ++i) {
        const std::string given = kGiven[i % 8], family = kFamily[(i / 8) % 8], k = std::to_string(i % 100);
        const std::string k4 = std::string(4 - k.size(), '0') + k;
        text += "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:" + given + " " + family + " " + k + "\r\nN:" + family + ";" + given
            + ";;;\r\nTEL;TYPE=voice:+44 20 7946 " + k4 + "\r\nTEL;TYPE=pager:555-0119\r\nEMAIL:" + kLowerGiven[i % 8]
            + "." + k + "@example.org\r\nNOTE:met at the 2007 conference\\, room " + k + "\r\nEND:VCARD\r\n";
    }
    return text;
}

void Import(const std::string& text, CRecordList& list)
{
    list.Reset();
    CImportReport report;
    CRecordImporter importer(list, report);
    const auto reader = CContactReader::Create(
        EContactFormat::kVCard, [&](const CContact& contact) { importer.Add(contact, "cards.vcf"); });
    constexpr size_t kPiece = 64 * 1024;   // as the command reads a file
    for (size_t i = 0; i < text.size(); i += kPiece)
        reader->Feed(std::string_view(text).substr(i, kPiece));
    std::string strError;
    if (!reader->Finish(strError) || report.RecordsAdded() != list.GetCount())
        std::abort();
}

void BM_ImportVCards(benchmark::State& state)
{
    const std::string text = Cards(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CRecordList list;
        Import(text, list);
        benchmark::DoNotOptimize(list.GetCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ExportVCards(benchmark::State& state)
{
    CRecordList list;
    Import(Cards(static_cast<int>(state.range(0))), list);
    std::string out;
    for (auto _ : state) {
        out.clear();
        list.ForEachRecord([&](const CRecordFields& record) { CVCardWriter::Write(record, out); });
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * out.size()));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}   // namespace

BENCHMARK(BM_ImportVCards)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportVCards)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
