// Runs the fuzzing harnesses over saved inputs: every file in the folders (or
// the files) named on the command line goes to the viewer's harness and to
// the decoders' harness. Prints "N passed, 0 failed"; a failing input crashes
// the run (and is named just before).

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int HelvarraFuzzDecoders(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i) {
    if (std::filesystem::is_directory(argv[i])) {
      for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    } else {
      inputs.emplace_back(argv[i]);
    }
  }
  int one = 1;
  char* args[] = {argv[0], nullptr};
  char** pointer = args;
  LLVMFuzzerInitialize(&one, &pointer);
  int done = 0;
  for (const auto& input : inputs) {
    std::printf("input %s\n", input.c_str());
    std::fflush(stdout);
    std::ifstream in(input, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    HelvarraFuzzDecoders(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++done;
  }
  std::printf("%d passed, 0 failed\n", done);
  return 0;
}
