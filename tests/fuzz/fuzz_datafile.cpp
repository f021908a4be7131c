// Data files as the program opens them: header check, image, load processing, then
// every channel decoded (through the CSV export). Oracle: saving what was opened and
// opening that again gives the same image, and a refused file leaves the document alone.

#include "FuzzProgram.h"

#include "core/ChannelCsv.h"
#include "core/ImageLayout.h"
#include "files/DataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TfMaindb& program = FuzzProgram();
    TALL doc = program.all;
    const TALL before = doc;
    const DataFileResult opened = LoadDataFileBytes(doc, program.macList, FuzzBytes(data, size));
    if (!opened.ok()) {
        FUZZ_CHECK(doc.image == before.image);
        return 0;
    }
    ExportChannelsCsv(doc);

    const QByteArray saved = EncodeDataFile(doc, QStringLiteral("2024-05-06 07:08"));
    FUZZ_CHECK(saved.size() == DataFile::Size);
    TALL again = program.all;
    FUZZ_CHECK(LoadDataFileBytes(again, program.macList, saved).ok());
    ExportChannelsCsv(again);
    FUZZ_CHECK(std::equal(doc.image.begin() + 16, doc.image.begin() + Image::Size,
                          again.image.begin() + 16));
    return 0;
}
