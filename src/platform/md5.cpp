#include "platform/md5.h"

#include <QCryptographicHash>
#include <algorithm>

namespace dravik {

struct Md5::Impl {
    QCryptographicHash hash{QCryptographicHash::Md5};
};

Md5::Md5() : impl_(std::make_unique<Impl>()) {}
Md5::~Md5() = default;

void Md5::MD5Init() { impl_->hash.reset(); }

void Md5::MD5Update(const uint8_t* data, std::size_t length) {
    impl_->hash.addData(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length)));
}

void Md5::MD5Final(std::array<uint8_t, 16>& digest) {
    QByteArray r = impl_->hash.result();
    std::copy_n(reinterpret_cast<const uint8_t*>(r.constData()), 16, digest.begin());
    impl_->hash.reset();
}

}  // namespace dravik
