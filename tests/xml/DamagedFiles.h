// The damaged model files of tests/data/xml/damaged: one per way a model file can be
// wrong, with what its refusal must name.
#pragma once

#include <string>

namespace PV {
namespace Fixture {

const std::string kDamagedFolder = std::string(PV_TEST_DATA_DIR) + "/xml/damaged/";

struct Damage {
  const char* file;
  const char* says;
  // The file reader itself refuses it; the others pass the reader and are refused
  // by the model checks the factory makes before it takes a model.
  bool byReader;
};

// One file per way a model file can be wrong, and what the refusal must name.
inline const Damage kDamage[] = {
    {"empty.xpv", "possibly 0 length", true},
    {"not_xml.xpv", "is not a proper Palvermontine XML file", true},
    {"truncated.xpv", "The file ends early: its root element \"palvermontine\" is not closed.", true},
    {"truncated_in_tag.xpv", "The file ends early", true},
    {"not_7bit.xpv", "It is a Binary File", true},
    {"utf8_bom.xpv", "It is a Binary File", true},
    {"nul_byte.xpv", "It is a Binary File", true},
    {"too_long.xpv", "longer than 65535 bytes", true},
    {"wrong_root.xpv", "root element <palvermontine> is missing", true},
    {"unknown_version.xpv", "newer version of the program (appver 5.0)", true},
    {"appver_missing.xpv", "\"appver\" of element /palvermontine is missing", true},
    {"no_model.xpv", "/palvermontine/model is missing", true},
    {"no_params.xpv", "/palvermontine/model/params is missing", true},
    {"model_without_name.xpv", "\"nm\" of element /palvermontine/model is missing", true},
    {"dm_without_uid.xpv", "\"uid\" of element /palvermontine/model/dms/dm[2] is missing", true},
    {"sil_out_of_range.xpv", "\"sil\" of element /palvermontine/model/params", true},
    {"cfl_out_of_range.xpv", "\"cfl\" of element /palvermontine/model/params", true},
    {"cfl_not_a_number.xpv", "\"cfl\" of element /palvermontine/model/params", true},
    {"cfl_50.xpv", "confidence level", false},
    {"rank_out_of_range.xpv", "\"rank\" of element /palvermontine/model/slns/sln[3]", true},
    {"weight_too_large.xpv", "\"wt\" of element /palvermontine/model/crs/cr", true},
    {"bad_bool.xpv", "\"active\" of element /palvermontine/model/chs/ch", true},
    {"bad_id.xpv", "\"id\" of element /palvermontine/model", true},
    {"bad_mode.xpv", "\"mode\" of element /palvermontine/model", true},
    {"name_too_long.xpv", "\"nm\" of element /palvermontine/model/dms/dm", true},
    {"uid_zero.xpv", "\"uid\" of element /palvermontine/model/chs/ch", true},
    {"too_many_dms.xpv", "holds more than 5 <dm> elements", true},
    {"too_many_chs.xpv", "holds more than 10 <ch> elements", true},
    {"too_many_blocks.xpv", "holds more than 7 <s> elements", true},
    {"row_not_a_digit.xpv", "\"row\" of element /palvermontine/model/dms/dm", true},
    {"row_two_digits.xpv", "\"row\" of element /palvermontine/model/crs/cr", true},
    {"choice_row_zero.xpv", "\"row\" of element /palvermontine/model/chs/ch", true},
    {"empty_note.xpv", "/palvermontine/model/note has no text", true},
    {"empty_container.xpv", "/palvermontine/model/dms holds no <dm> element", true},
    {"empty_block.xpv", "/palvermontine/model/ss/s", true},
    {"block_bad_header.xpv", "header is not hexadecimal", true},
    {"block_wrong_number.xpv", "numbered 3 in place of 2", true},
    {"block_seed_zero.xpv", "seed is 0", true},
    {"block_bad_char.xpv", "which is no score", true},
    {"block_above_scale.xpv", "above the scale dimension", false},
    {"block_wrong_length.xpv", "characters; the model needs", false},
    {"blocks_fewer_than_criteria.xpv", "one block per criterion", false},
    {"sln_unknown_choice.xpv", "names no choice of the model", true},
    // What reading would take only once is refused rather than dropped.
    {"list_twice.xpv", "element /palvermontine/model/dms is given more than once", true},
    {"params_twice.xpv", "element /palvermontine/model/params is given more than once", true},
    {"note_twice.xpv", "element /palvermontine/model/dms/dm/note is given more than once", true},
    {"attribute_twice.xpv", "ttribute \"nm\" of element /palvermontine/model/dms/dm[4] is given twice", true},
    {"ranked_twice.xpv", "\"ch\" of element /palvermontine/model/slns/sln[3] ranks the choice 4103 a second time",
     true},
    // Control characters that XML files may not hold, raw or as references.
    {"control_in_name.xpv",
     "Attribute \"nm\" of element /palvermontine/model/dms/dm[4] holds a control character, which XML files may "
     "not hold.",
     true},
    {"control_in_note.xpv", "Element /palvermontine/model/dms/dm/note holds a control character", true},
    {"control_reference.xpv", "Element /palvermontine/model/chs/ch/note holds a control character", true},
};

}  // namespace Fixture
}  // namespace PV
