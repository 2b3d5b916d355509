// Random files of every size the tool meets, each written with random accepted values: the
// fields hold exactly their encodings and every other byte is as it was.
#include <filesystem>
#include <random>

#include "paramfile/writer.h"
#include "random_values.h"

namespace {

using PropertyTest = ParamFileTest;

TEST_F(PropertyTest, RandomFilesGetExactlyTheFieldsAndNothingElse) {
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<std::size_t> sizes(kMinimumFileSize, 64 * 1024);
    for (int run = 0; run < 10000; ++run) {
        const Bytes original = random_file(sizes(random), random);
        const AcceptedValues values = random_accepted_values(random);
        // A new file each run: ext4 flushes a file truncated and written again to disk.
        std::filesystem::remove(folder_.path() / "pano.wlp");
        const std::string path = make_file("pano.wlp", original);
        drop({path});
        set_texts(values.sun_position, values.sun_elevation, values.name, values.start_position,
                  values.sizing_factor);
        write_to_file(host_);
        ASSERT_EQ(only_box(), "Ok: Data is written") << "run " << run;

        Bytes expected = original;
        apply_values(values, &expected);
        ASSERT_EQ(first_difference(read_whole_file(path), expected), -1)
            << "run " << run << ", size " << original.size() << ", start position "
            << values.start_position << ", sizing factor " << values.sizing_factor;
    }
}

}  // namespace
