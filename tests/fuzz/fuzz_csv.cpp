// Channel list import: plan, report, apply. Oracle: the channels the import put into
// the document export and import again without a skipped row, and the plan leaves the
// document alone until it is applied.

#include "FuzzProgram.h"

#include "core/ChannelCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TfMaindb& program = FuzzProgram();
    TALL doc = program.all;
    const CsvImport plan = PlanCsvImport(doc, FuzzBytes(data, size));
    FUZZ_CHECK(doc.image == program.all.image);
    CsvImportReport(plan);
    if (!plan.ok()) return 0;
    ApplyCsvImport(doc, plan);

    const QByteArray exported = ExportChannelsCsv(doc);
    TALL fresh = program.all;
    const CsvImport again = PlanCsvImport(fresh, exported);
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.count(CsvImportRow::Skipped) == 0);
    return 0;
}
