#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>

#include "datafiletestsupport.h"
#include "files/imagefile.h"
#include "image/imagecodec.h"
#include "model/models.h"

namespace zmp {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const MemoryImage& image)
{
    return std::string(reinterpret_cast<const char*>(image.bytes.data()),
                       static_cast<std::size_t>(image.size()));
}

int sumOf(const std::string& bytes, int first, int last)
{
    int sum = 0;
    for (int a = first; a <= last; ++a)
        sum += static_cast<unsigned char>(bytes[static_cast<std::size_t>(a)]);
    return sum % 256;
}

class ImageFileTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        folder = test::scratchFolder();
        const datatest::NewConfiguration config = datatest::newConfiguration(ModelMr4400);
        records = config.records;
        image = config.image;
    }

    FileContext context(int model = ModelMr4400) { return FileContext{model, true, flags, log}; }

    // Expects the image and the records exactly as they were before a refused operation.
    void expectUnchanged(const MemoryImage& imageBefore, const Records& recordsBefore)
    {
        EXPECT_EQ(image.bytes, imageBefore.bytes);
        EXPECT_TRUE(records == recordsBefore);
        EXPECT_FALSE(flags.filling);
    }

    std::string logText() const { return test::readBytes(folder / "err.log"); }

    fs::path folder;
    Records records;
    MemoryImage image;
    ProcessFlags flags;
    ErrorLog log{test::scratchFolder().string(), true};
};

TEST_F(ImageFileTest, saveWritesThePreparedImageWithoutTheAtisCounterStep)
{
    records.usa[3].ChTag = "SAVED";
    records.atisCode = "1234567890";
    records.userMmsi = "123456789";
    const fs::path path = folder / "radio.hex";
    test::writeBytes(path, std::string(40000, 'x'));
    ASSERT_TRUE(ImageFile::save(path.string(), records, image, context()).ok);
    const std::string file = test::readBytes(path);
    ASSERT_EQ(file.size(), static_cast<std::size_t>(ImageSize));
    EXPECT_EQ(file, bytesOf(image)) << "the saved image is the one kept";
    EXPECT_EQ(static_cast<unsigned char>(file[95]), sumOf(file, 66, 94));
    EXPECT_EQ(static_cast<unsigned char>(file[645]), 1) << "user MMSI entry counter";
    EXPECT_EQ(static_cast<unsigned char>(file[651]), 0)
        << "only a radio write marks the ATIS code as entered";
    Records decoded = records;
    ImageCodec::decode(image, decoded);
    EXPECT_EQ(decoded.usa[3].ChTag, "SAVED");
    EXPECT_FALSE(flags.ErrorFlag);
    EXPECT_FALSE(flags.filling);
}

TEST_F(ImageFileTest, rawSaveWritesTheImageAsItStands)
{
    image[95] = 0x5A;
    records.usa[3].ChTag = "NOT ENCODED";
    const MemoryImage before = image;
    const fs::path path = folder / "raw.hex";
    ASSERT_TRUE(ImageFile::save(path.string(), records, image, context(), ImageSaveMode::Raw).ok);
    EXPECT_EQ(test::readBytes(path), bytesOf(before));
    EXPECT_EQ(image.bytes, before.bytes);
}

TEST_F(ImageFileTest, failedSaveChangesNeitherFileNorImageNorRecords)
{
    records.usa[3].ChTag = "PENDING";
    for (ChannelRecord& channel : records.intl)
        channel.Enable = false;
    records.groups[Group2].Enable = true; // the empty-group rule would clear it
    const MemoryImage imageBefore = image;
    const Records recordsBefore = records;
    test::writeBytes(folder / "plain", "keep");
    fs::create_directory(folder / "dir.hex");
    for (const fs::path& target : {folder / "plain" / "x.hex", folder / "dir.hex"}) {
        flags = {};
        const FileOutcome outcome = ImageFile::save(target.string(), records, image, context());
        EXPECT_EQ(outcome.message.text, "FileSave Error!!");
        EXPECT_EQ(outcome.message.title, "PC Program for MR4400");
        EXPECT_EQ(outcome.message.icon, MessageIcon::Warning);
        EXPECT_TRUE(flags.ErrorFlag);
        EXPECT_TRUE(flags.CancelFlag);
        expectUnchanged(imageBefore, recordsBefore);
        EXPECT_TRUE(records.groups[Group2].Enable);
    }
    EXPECT_EQ(test::readBytes(folder / "plain"), "keep");
    EXPECT_NE(logText().find("frmMain.SaveHexFileAs -> " + std::to_string(EISDIR)), std::string::npos);
}

TEST_F(ImageFileTest, savedImageOpensBackIntoImageAndRecords)
{
    records.usa[3].ChTag = "ROUND";
    records.memoryId[0] = {true, "FRIEND", "211000000", {}};
    const fs::path path = folder / "trip.hex";
    ASSERT_TRUE(ImageFile::save(path.string(), records, image, context()).ok);
    const MemoryImage saved = image;
    const datatest::NewConfiguration fresh = datatest::newConfiguration(ModelMr4400);
    image = fresh.image;
    records = fresh.records;
    const FileOutcome outcome = ImageFile::open(path.string(), records, image, context());
    ASSERT_TRUE(outcome.ok) << outcome.message.text;
    EXPECT_EQ(image.bytes, saved.bytes);
    EXPECT_EQ(records.usa[3].ChTag, "ROUND");
    EXPECT_EQ(records.memoryId[0].TagName, "FRIEND");
    EXPECT_FALSE(flags.ErrorFlag);
    EXPECT_FALSE(flags.filling);
}

TEST_F(ImageFileTest, openRefusesAFileOfAnyOtherLength)
{
    const std::string good = bytesOf(image);
    const MemoryImage imageBefore = image;
    const Records recordsBefore = records;
    for (const std::string& content : {good.substr(0, good.size() - 1), good + '\x30', std::string()}) {
        flags = {};
        test::writeBytes(folder / "size.hex", content);
        EXPECT_FALSE(ImageFile::hasImageSize((folder / "size.hex").string(), image));
        const FileOutcome outcome =
            ImageFile::open((folder / "size.hex").string(), records, image, context());
        EXPECT_EQ(outcome.message.text, "bad file!!");
        EXPECT_EQ(outcome.message.title, "PC Program for MR4400");
        EXPECT_EQ(outcome.message.icon, MessageIcon::Critical);
        EXPECT_TRUE(flags.ErrorFlag);
        expectUnchanged(imageBefore, recordsBefore);
    }
}

TEST_F(ImageFileTest, openRefusesAWrongModelCode)
{
    const MemoryImage imageBefore = image;
    const Records recordsBefore = records;
    const auto variant = [&](int address, std::uint8_t value) {
        MemoryImage other = image;
        other[address] = value;
        return bytesOf(other);
    };
    for (const std::string& content :
         {variant(128, 0x12), variant(ImageSize - 1, 0x31), variant(129, 0x31)}) {
        flags = {};
        test::writeBytes(folder / "model.hex", content);
        const FileOutcome outcome =
            ImageFile::open((folder / "model.hex").string(), records, image, context());
        EXPECT_EQ(outcome.message.text, "ModelType Error !!");
        EXPECT_EQ(outcome.message.title, "Read from Radio");
        EXPECT_EQ(outcome.message.icon, MessageIcon::Critical);
        EXPECT_TRUE(flags.ErrorFlag);
        expectUnchanged(imageBefore, recordsBefore);
    }
    MemoryImage both = image;
    both[128] = both[ImageSize - 2] = 0x12;
    EXPECT_FALSE(ImageFile::modelCodeCheck(both, ModelMr4400)) << "equal words that are not the model code";
    EXPECT_FALSE(ImageFile::modelCodeCheck(image, 5)) << "an unknown model number";
    EXPECT_TRUE(ImageFile::modelCodeCheck(image, ModelMr4400M));
}

TEST_F(ImageFileTest, openOfAMissingFileOrAFolderIsAReadError)
{
    const MemoryImage imageBefore = image;
    const Records recordsBefore = records;
    fs::create_directory(folder / "folder.hex");
#ifndef _WIN32 // elsewhere the path stays missing, which must read alike
    ASSERT_EQ(::mkfifo((folder / "pipe.hex").c_str(), 0600), 0);
#endif
    for (const fs::path& path : {folder / "gone.hex", folder / "folder.hex", folder / "pipe.hex"}) {
        flags = {};
        const FileOutcome outcome = ImageFile::open(path.string(), records, image, context());
        EXPECT_EQ(outcome.message.text, "FileRead Error!!");
        EXPECT_EQ(outcome.message.title, "PC Program for MR4400");
        EXPECT_EQ(outcome.message.icon, MessageIcon::Warning);
        EXPECT_TRUE(flags.ErrorFlag);
        EXPECT_TRUE(flags.CancelFlag);
        expectUnchanged(imageBefore, recordsBefore);
    }
    EXPECT_NE(logText().find("frmMain.ReadHexFileAs -> " + std::to_string(ENOENT)), std::string::npos);
}

TEST_F(ImageFileTest, silentLoadInstallsAndDecodesADestination)
{
    MemoryImage destination = image;
    destination[4864] = 'Z'; // first USA name
    destination[4865] = 0xFF;
    test::writeBytes(folder / "USA_1130.ini", bytesOf(destination));
    flags.ErrorFlag = true;
    ASSERT_TRUE(ImageFile::loadSilently((folder / "USA_1130.ini").string(), records, image, context()));
    EXPECT_EQ(image.bytes, destination.bytes);
    EXPECT_EQ(records.usa[0].ChTag, "Z");
    EXPECT_FALSE(flags.ErrorFlag);
    EXPECT_FALSE(flags.filling);
}

TEST_F(ImageFileTest, silentLoadRefusalsShowNothingAndChangeNothing)
{
    const MemoryImage imageBefore = image;
    const Records recordsBefore = records;
    test::writeBytes(folder / "short.ini", bytesOf(image).substr(1));
    EXPECT_FALSE(ImageFile::loadSilently((folder / "short.ini").string(), records, image, context()));
    EXPECT_FALSE(flags.ErrorFlag) << "a wrong size is refused by the size check alone";
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((folder / "pipe.ini").c_str(), 0600), 0);
    EXPECT_FALSE(ImageFile::loadSilently((folder / "pipe.ini").string(), records, image, context()));
#endif

    MemoryImage wrong = image;
    wrong[128] = 0;
    test::writeBytes(folder / "wrong.ini", bytesOf(wrong));
    EXPECT_FALSE(ImageFile::loadSilently((folder / "wrong.ini").string(), records, image, context()));
    EXPECT_TRUE(flags.ErrorFlag);
    EXPECT_FALSE(flags.CancelFlag);

    flags = {};
    EXPECT_FALSE(ImageFile::loadSilently((folder / "gone.ini").string(), records, image, context()));
    EXPECT_TRUE(flags.ErrorFlag);
    EXPECT_TRUE(flags.CancelFlag);
    EXPECT_NE(logText().find("frmMain.FileReadIni -> " + std::to_string(ENOENT)), std::string::npos);
    expectUnchanged(imageBefore, recordsBefore);
}

// A file read inside a rebuild runs while the rebuild's fill is still on:
// neither success nor refusal may end the outer fill.
TEST_F(ImageFileTest, operationsInsideAnOuterFillLeaveItsFlagSet)
{
    const fs::path path = folder / "outer.hex";
    test::writeBytes(folder / "short.hex", bytesOf(image).substr(1));
    flags.filling = true;
    EXPECT_TRUE(ImageFile::save(path.string(), records, image, context()).ok);
    EXPECT_TRUE(flags.filling) << "save";
    EXPECT_TRUE(ImageFile::open(path.string(), records, image, context()).ok);
    EXPECT_TRUE(flags.filling) << "open";
    EXPECT_FALSE(ImageFile::open((folder / "short.hex").string(), records, image, context()).ok);
    EXPECT_TRUE(flags.filling) << "refused open";
    EXPECT_TRUE(ImageFile::loadSilently(path.string(), records, image, context()));
    EXPECT_TRUE(flags.filling) << "silent load";
}

TEST_F(ImageFileTest, installChecksSizeAndModelCodeOfBytes)
{
    MemoryImage target;
    target.fill(0x55);
    const std::string good = bytesOf(image);
    EXPECT_EQ(ImageFile::install(good.substr(0, 100), ModelMr4400, target), ImageFile::Check::WrongSize);
    EXPECT_EQ(ImageFile::install(std::string(ImageSize, '\0'), ModelMr4400, target),
              ImageFile::Check::WrongModelCode);
    EXPECT_EQ(target[0], 0x55);
    EXPECT_EQ(ImageFile::install(good, ModelMr4400, target), ImageFile::Check::Accepted);
    EXPECT_EQ(target.bytes, image.bytes);
}

} // namespace
} // namespace zmp
