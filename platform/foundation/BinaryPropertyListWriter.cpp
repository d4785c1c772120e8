#include "platform/foundation/BinaryPropertyListWriter.h"

#include "platform/foundation/BinaryPropertyListFormat.h"

namespace fnd {

std::vector<std::uint8_t> BinaryPropertyListWriter::write(const PropertyList& list) {
    using Format = BinaryPropertyListFormat;
    using Kind = PropertyList::Kind;
    using Ref = PropertyList::Ref;
    PropertyList fallback;
    const PropertyList* source = &list;
    if (list.size() == 0) {
        fallback.setTop(fallback.addNull());
        source = &fallback;
    }
    const PropertyList& pl = *source;
    std::size_t count = pl.size();
    unsigned refSize = Format::bytesFor(count - 1);

    Format::Buffer out;
    out.reserve(count * 10 + 64);
    out.insert(out.end(), {'b', 'p', 'l', 'i', 's', 't', '0', '0'});
    std::vector<std::uint64_t> offsets(count);
    for (Ref r = 0; r < count; ++r) {
        offsets[r] = out.size();
        switch (pl.kind(r)) {
            case Kind::Null:
                Format::null(out);
                break;
            case Kind::Boolean:
                Format::boolean(out, pl.boolean(r));
                break;
            case Kind::Integer:
                Format::integer(out, pl.unsignedInteger(r), false);
                break;
            case Kind::UnsignedInteger:
                Format::integer(out, pl.unsignedInteger(r), true);
                break;
            case Kind::Real:
                Format::real(out, pl.real(r), pl.isFloat(r));
                break;
            case Kind::Date:
                Format::date(out, pl.real(r));
                break;
            case Kind::Data:
                Format::data(out, pl.data(r));
                break;
            case Kind::String:
                Format::string(out, pl.string(r));
                break;
            case Kind::Uid:
                Format::uid(out, pl.uid(r));
                break;
            case Kind::Array:
                Format::arrayHead(out, pl.count(r));
                for (Ref m : pl.items(r)) Format::bigEndian(out, m, refSize);
                break;
            case Kind::Dictionary:
                Format::dictionaryHead(out, pl.count(r));
                for (Ref k : pl.keys(r)) Format::bigEndian(out, k, refSize);
                for (Ref v : pl.values(r)) Format::bigEndian(out, v, refSize);
                break;
        }
    }
    std::uint64_t tableOffset = out.size();
    unsigned offsetSize = Format::bytesFor(offsets.back());
    for (std::uint64_t o : offsets) Format::bigEndian(out, o, offsetSize);
    Format::trailer(out, offsetSize, refSize, count, pl.top(), tableOffset);
    return out;
}

}  // namespace fnd
