#include "sima/sima_reader.h"

#include <algorithm>
#include <new>

#include "platform/text_stream.h"
#include "points/plot_range.h"
#include "sima/sima_record.h"
#include "text/error.h"

namespace surva::sima {

namespace {

// The six used fields of a point record together; real records are a few
// dozen characters.
constexpr std::size_t kMaxRecordChars = 1 << 16;

struct RecordTooLong {
  std::size_t line;
};

// Keeps of each line only what a point record uses: nothing once the code
// shows it is no point record, and nothing after the sixth comma.
class PointRecordScanner : public platform::TextLineSink {
 public:
  explicit PointRecordScanner(std::vector<SimaRecord>& records) : records_(records) {}

  void text(text::u16view piece) override {
    if (skip_ || commas_ == kSimaUsedFields) return;
    std::size_t take = piece.size();
    for (std::size_t i = 0; i < piece.size(); ++i) {
      if (piece[i] == u',' && ++commas_ == kSimaUsedFields) {
        take = i;
        break;
      }
    }
    line_.append(piece.substr(0, take));
    if (!decided_) decide();
    if (!skip_ && line_.size() > kMaxRecordChars) throw RecordTooLong{lineNumber_};
  }

  void lineEnd() override {
    if (!skip_) {
      points::SplitToList(line_, fields_);
      if (IsSimaPointRecord(fields_)) {
        fields_.resize(kSimaUsedFields);
        records_.push_back(std::move(fields_));
        fields_ = {};
      }
    }
    line_.clear();
    commas_ = 0;
    decided_ = false;
    skip_ = false;
    ++lineNumber_;
  }

 private:
  // The code is known once its field has ended or has three characters.
  void decide() {
    std::size_t comma = line_.find(u',');
    if (comma == text::u16::npos && line_.size() < 3) return;
    decided_ = true;
    skip_ = !IsSimaPointCode(text::u16view(line_).substr(0, std::min<std::size_t>(comma, 3)));
    if (skip_) line_.clear();
  }

  std::vector<SimaRecord>& records_;
  text::u16 line_;
  std::vector<text::u16> fields_;
  std::size_t commas_ = 0;
  bool decided_ = false;
  bool skip_ = false;
  std::size_t lineNumber_ = 1;
};

}  // namespace

std::vector<SimaRecord> ReadSimaPointRecords(platform::FileSystem& fs, const text::AnsiCodec& codec,
                                             text::u16view path) {
  std::vector<SimaRecord> records;
  try {
    PointRecordScanner scanner(records);
    platform::readTextLines(fs, codec, path, scanner);
  } catch (const RecordTooLong& e) {
    throw Failure(platform::readFailureMessage(path, text::intToText(static_cast<long long>(e.line)) +
                                                         u" 行目の点データが長すぎます．"));
  } catch (const std::bad_alloc&) {
    records = {};
    throw Failure(platform::readFailureMessage(path, u"メモリが足りません．"));
  }
  return records;
}

}  // namespace surva::sima
