#include "table/CardPictures.h"

#include <QPainter>

#include "model/Card.h"
#include "model/Ports.h"
#include "shell/settings/AtomicFile.h"
#include "table/PixelCopy.h"

namespace tindle {

namespace {

constexpr QRgb kShadowKey = qRgb(255, 255, 255);
constexpr QRgb kBorderKey = qRgb(0, 0, 255);
constexpr int kSuitBases[4] = {0, 13, 26, 39};

// A three-digit number setting ("001", "11" -> "011"); other text as it stands.
std::string ThreeDigits(const std::string& text) {
    long long value = 0;
    if (ParseInteger(text, value) && value >= 0 && value <= 999) return ZeroPad(value, 3);
    return text;
}

// A picture of exactly width x height: the source copied into its top-left corner, the
// rest transparent (so a missing or short picture draws nothing there).
QImage Sized(const QImage& source, int width, int height) {
    if (!source.isNull() && source.width() == width && source.height() == height)
        return source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!source.isNull()) {
        QPainter p(&image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, source);
    }
    return image;
}

// A library picture made for `from` times the card size, brought to `scale` for a picture of
// width x height table pixels; at scale 1 from the plain picture, exactly as it stands.
QImage ToScale(const QImage& source, int from, int width, int height, qreal scale) {
    if (from == 1 && scale == 1.0) return Sized(source, width, height);
    QImage image = Sized(source, width * from, height * from);
    const QSize target = DeviceSize(QSize(width, height), scale);
    if (image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    return image;
}

// The corners of a card picture as the drawing code expects them at its scale: the blocks of
// the corner pixels clear, every other pixel near a corner opaque (filtering blurs them).
void SettleCorners(QImage& image, int width, int height) {
    const qreal scale = ScaleOf(image);
    if (scale == 1.0 || image.isNull()) return;
    const CornerBlocks corners = CornerBlocksOf(QRect(0, 0, width, height), scale);
    const int reach = ToDevice(4, scale);
    for (int y = 0; y < image.height(); ++y) {
        if (y >= reach && y < image.height() - reach) continue;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (x >= reach && x < image.width() - reach) continue;
            if (InCornerBlocks(corners, QPoint(x, y))) {
                line[x] = 0;
            } else if (const int a = qAlpha(line[x]); a < 255) {
                line[x] = a == 0 ? qRgb(0, 0, 0)
                                 : qRgb(qRed(line[x]) * 255 / a, qGreen(line[x]) * 255 / a,
                                        qBlue(line[x]) * 255 / a);
            }
        }
    }
}

}  // namespace

int CardPictures::SourceScaleFor(qreal scale) {
    for (int k : kPictureScales)
        if (k >= scale) return k;
    return kPictureScales.back();
}

bool CardPictures::SetScale(qreal scale) {
    if (scale <= 0 || scale == scale_) return false;
    scale_ = scale;
    return true;
}

CardPictures::Source CardPictures::SourceOf(std::string_view name) const {
    const int k = SourceScaleFor(scale_);
    if (k != 1) {
        QImage finer = library_.Bitmap(FinerPictureName(name, k));
        if (!finer.isNull()) return {std::move(finer), k};
    }
    // A library without finer pictures: the plain one, scaled up.
    return {library_.Bitmap(name), 1};
}

QImage CardPictures::Scaled(std::string_view name, int width, int height) const {
    const Source source = SourceOf(name);
    return ToScale(source.image, source.scale, width, height, scale_);
}

QImage CardPictures::CardPicture(std::string_view name) const {
    QImage image = Scaled(name, width_, height_);
    SettleCorners(image, width_, height_);
    return image;
}

CardPictures::CardPictures(const ResourceLibrary& library) : library_(library) {}

bool CardPictures::SetCardSize(std::string_view letter) {
    const auto size = CardSizeByLetter(letter);
    if (!size) return false;
    letter_ = size->letter;
    width_ = size->width;
    height_ = size->height;
    return true;
}

void CardPictures::ApplyShadowSetting(const SettingsRecord& settings) {
    shadowMargin_ = ShadowMarginFor(settings);
}

void CardPictures::ApplyCardSize(const SettingsRecord& settings) {
    SetCardSize(settings.Get(field::CardSize));
    LoadCardPictures(settings);
}

QImage CardPictures::LoadResourcePicture(std::string_view name) const {
    return library_.Bitmap(name);
}

QImage CardPictures::Keyed(std::string_view name, QRgb key) const {
    const Source source = SourceOf(name);
    QImage image = source.image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0x00ffffff) == (key & 0x00ffffff)) line[x] = 0;
    }
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (source.scale == 1 && scale_ == 1.0) return image;
    const QSize plain(image.width() / source.scale, image.height() / source.scale);
    return ToScale(image, source.scale, plain.width(), plain.height(), scale_);
}

template <class Make>
const QImage& CardPictures::Made(Lazy& picture, Make make) {
    if (!picture.made) {
        picture.image = make();
        picture.made = true;
    }
    return picture.image;
}

void CardPictures::LoadCardPictures(const SettingsRecord& settings) {
    marks_ = {};
    shadows_ = {};
    borders_ = {};
    LoadCardBack(settings);
    // The faces are cut from their sheets when a card of the suit is first drawn.
    cardSet_ = ThreeDigits(settings.Get(field::CardSet));
    faces_ = {};
    facesCut_ = {};
    spare_ = QImage();
}

void CardPictures::CutFaces(int suit) const {
    const char s = letter_;
    facesCut_[static_cast<size_t>(suit)] = true;
    if (suit == kJokerSheet) {
        faces_[kJokerIndex] = CardPicture(JokerName(s));
        return;
    }
    const std::string name =
        std::string("C") + s + cardSet_ + kSuitLetters[static_cast<size_t>(suit)];
    const Source source = SourceOf(name);
    const int k = source.scale;
    const QImage sheet = Sized(source.image, 6 * width_ * k, 4 * height_ * k);
    // Five cards a row: ranks 1..5, 6..10, then Jack, Queen and King.
    for (int rank = 1; rank <= 13; ++rank) {
        const int row = (rank - 1) / 5, column = (rank - 1) % 5;
        QImage face = sheet.copy(column * width_ * k, row * height_ * k, width_ * k, height_ * k);
        if (k != 1 || scale_ != 1.0) {
            face = ToScale(face, k, width_, height_, scale_);
            SettleCorners(face, width_, height_);
        }
        faces_[static_cast<size_t>(kSuitBases[suit] + rank - 1)] = std::move(face);
    }
}

const QImage& CardPictures::CutFace(int index) const {
    const int suit = index == kJokerIndex ? kJokerSheet : index / 13;
    if (!facesCut_[static_cast<size_t>(suit)]) CutFaces(suit);
    return faces_[static_cast<size_t>(index)];
}

QImage& CardPictures::SpareCard() {
    if (spare_.isNull()) spare_ = Face(0).copy();
    return spare_;
}

void CardPictures::LoadCardBack(const SettingsRecord& settings) {
    backNumber_ = ThreeDigits(settings.Get(field::BackCard));
    back_ = {};
}

QImage CardPictures::MakeBack() const {
    long long number = -1;
    ParseInteger(backNumber_, number);
    if (letter_ == 'M' && number != kOwnMediumBack) {
        // The big back, the whole picture squeezed into the medium card.
        const Source big = SourceOf(std::string("DB") + backNumber_);
        if (big.image.isNull()) return ToScale(big.image, 1, width_, height_, scale_);
        const QSize target = DeviceSize(QSize(width_, height_), scale_);
        QImage back = big.image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                          .scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        back.setDevicePixelRatio(scale_);
        SettleCorners(back, width_, height_);
        return back;
    }
    return CardPicture(std::string("D") + letter_ + backNumber_);
}

const QImage& CardPictures::Back() const {
    return Made(back_, [this] { return MakeBack(); });
}

const QImage& CardPictures::Mark(MarkSlot slot) const {
    const auto i = static_cast<size_t>(slot);
    return Made(marks_[i], [this, i] {
        return Scaled(MarkName(letter_, kMarkLoadOrder[i]), width_, height_);
    });
}

const QImage& CardPictures::Shadow(int form) const {
    form = form == 2 ? 2 : 1;
    return Made(shadows_[static_cast<size_t>(form - 1)],
                [this, form] { return Keyed(ShadowName(letter_, form), kShadowKey); });
}

const QImage& CardPictures::Border(int form) const {
    form = form == 2 ? 2 : 1;
    return Made(borders_[static_cast<size_t>(form - 1)],
                [this, form] { return Keyed(BorderName(letter_, form), kBorderKey); });
}

void CardPictures::DecodeAhead(uint32_t marks) const {
    Back();
    for (int form : {1, 2}) {
        Shadow(form);
        Border(form);
    }
    // Not every mark: a table shows three or four of the 22, each a card-sized picture.
    for (int slot = 0; slot < kMarkCount; ++slot)
        if (marks & (1u << slot)) Mark(static_cast<MarkSlot>(slot));
}

uint32_t CardPictures::MadeMarks() const {
    uint32_t marks = 0;
    for (int slot = 0; slot < kMarkCount; ++slot)
        if (marks_[static_cast<size_t>(slot)].made) marks |= 1u << slot;
    return marks;
}

const QImage& CardPictures::Face(int index) const {
    if (index < 0 || index >= kFaceCount) return none_;
    return CutFace(index);
}

const QImage& CardPictures::FaceOfCard(int cardNumber) const {
    if (cardNumber < 1 || cardNumber > kLastCard) return none_;
    if (cardNumber >= kFirstJoker) return CutFace(kJokerIndex);
    return CutFace((cardNumber - 1) % 52);
}

const QImage& CardPictures::RankMark(int rank) const {
    if (rank < 1 || rank > 13) return none_;
    if (rank <= 10)
        return Mark(static_cast<MarkSlot>(static_cast<int>(MarkSlot::RankA) + rank - 1));
    return Mark(static_cast<MarkSlot>(static_cast<int>(MarkSlot::ReserveJ) + rank - 11));
}

QImage CardPictures::SpecialStockMark() const {
    return Scaled(MarkName(letter_, kSpecialStockMark), width_, height_);
}

std::string ImagesFileMissingText(const std::string& path) {
    return "Cannot find images file:\n" + path +
           "\nSome program components cannot be shown correctly.\n"
           "Copy the file into the directory that above is specified\n"
           "or reinstall the program.";
}

QImage ReadPictureFile(const std::string& path) {
    std::string bytes;
    if (ReadFileLimited(path, kMaxPictureFileBytes, bytes) != FileReadStatus::Ok) return {};
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<int>(bytes.size()));
}

bool LoadPictureFile(QImage& bitmap, const std::string& name, const std::string& programFolder,
                     MessagePort& messages) {
    std::string path = name;
    for (char& c : path)
        if (c == '\\') c = '/';
    if (path.find('/') == std::string::npos) {
        std::string folder = programFolder;
        for (char& c : folder)
            if (c == '\\') c = '/';
        if (!folder.empty() && folder.back() != '/') folder += '/';
        path = folder + path + ".bmp";
    }
    // A file that is missing, unreadable or no picture gets the same box, so the player knows
    // which file.
    const QImage loaded = ReadPictureFile(path);
    if (loaded.isNull()) {
        messages.FatalError(ImagesFileMissingText(path));
        return false;
    }
    bitmap = loaded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return true;
}

}  // namespace tindle
