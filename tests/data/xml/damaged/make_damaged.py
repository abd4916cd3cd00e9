#!/usr/bin/env python3
"""Writes the damaged model files of this folder from ../golden_full.xpv.

Each file breaks a model file in one way; the factory test names what the refusal
must say. Run again after the golden file changes."""
import os

here = os.path.dirname(os.path.abspath(__file__))
golden = open(os.path.join(here, '..', 'golden_full.xpv'), 'rb').read().decode('ascii')


def sub(old, new, count=1, text=None):
    text = golden if text is None else text
    assert old in text, old
    return text.replace(old, new, count)


def lines_with(prefix):
    return [l for l in golden.split('\r\n') if l.startswith(prefix)]


def block(i):
    return lines_with('<s>')[i]


dms_start = golden.index('<dms>')
dms_end = golden.index('</dms>\r\n') + len('</dms>\r\n')
model_start = golden.index('<model ')
model_end = golden.index('</model>\r\n') + len('</model>\r\n')
b0 = block(0)
b1 = block(1)
b6 = block(6)
padding = '<!--' + 'x' * 70000 + '-->\r\n'

cases = {
    'empty.xpv': '',
    'not_xml.xpv': 'A note about a decision, not a model file.\r\n',
    'truncated.xpv': golden[:golden.index('<crs>')],
    'not_7bit.xpv': sub('nm="Site A"', 'nm="Site \u00c5"'),
    'utf8_bom.xpv': '\ufeff' + golden,
    'nul_byte.xpv': sub('file="C:', 'file="\0C:'),
    'too_long.xpv': sub('<palvermontine ', padding + '<palvermontine '),
    'wrong_root.xpv': sub('</palvermontine>', '</palvermontineModel>',
                          text=sub('<palvermontine ', '<palvermontineModel ')),
    'unknown_version.xpv': sub('appver="4.1"', 'appver="5.0"'),
    'appver_missing.xpv': sub(' appver="4.1"', ''),
    'no_model.xpv': golden[:model_start] + golden[model_end:],
    'no_params.xpv': sub(lines_with('<params ')[0] + '\r\n', ''),
    'model_without_name.xpv': sub(' nm="Site &quot;North&quot; &amp; &lt;South&gt;&apos;s"', ''),
    'dm_without_uid.xpv': sub(' uid="9d2005e3"', ''),
    'sil_out_of_range.xpv': sub('sil="3"', 'sil="6"'),
    'cfl_out_of_range.xpv': sub('cfl="90.0"', 'cfl="100.5"'),
    'cfl_not_a_number.xpv': sub('cfl="90.0"', 'cfl="high"'),
    'cfl_50.xpv': sub('cfl="90.0"', 'cfl="50.0"'),
    'rank_out_of_range.xpv': sub('rank="77.9"', 'rank="100.1"'),
    'weight_too_large.xpv': sub('wt="9999"', 'wt="10000"'),
    'bad_bool.xpv': sub('<ch active="true"', '<ch active="TRUE"'),
    'bad_id.xpv': sub('id="F0E1D2C31A2B3C4D"', 'id="F0E1D2C31A2B3C4"'),
    'bad_mode.xpv': sub('mode="std"', 'mode="Std"'),
    'name_too_long.xpv': sub('nm="Ann"', 'nm="' + 'A' * 41 + '"'),
    'uid_zero.xpv': sub('uid="1001"', 'uid="0"'),
    'too_many_dms.xpv': sub('</dms>', '<dm nm="Fay" row="6" uid="77" wt="5"/>\r\n</dms>'),
    'too_many_chs.xpv': sub('</chs>', '<ch nm="Site K" row="b" uid="77"/>\r\n</chs>'),
    'too_many_blocks.xpv': sub('</ss>', '<s>00000008' + b6[12:] + '\r\n</ss>'),
    'row_not_a_digit.xpv': sub('nm="Dan" row="4"', 'nm="Dan" row=":"'),
    'row_two_digits.xpv': sub('nm="Soil" row="5"', 'nm="Soil" row="10"'),
    'choice_row_zero.xpv': sub('row="1" uid="b2d05e00"', 'row="0" uid="b2d05e00"'),
    'empty_note.xpv': sub(lines_with('<note>Where')[0], '<note/>'),
    'empty_container.xpv': golden[:dms_start] + '<dms>\r\n</dms>\r\n' + golden[dms_end:],
    'empty_block.xpv': sub(b0, '<s></s>'),
    'block_bad_header.xpv': sub(b0, '<s>0000000g' + b0[11:]),
    'block_wrong_number.xpv': sub(b1, '<s>00000003' + b1[11:]),
    'block_seed_zero.xpv': sub(b0, b0[:11] + '00000000' + b0[19:]),
    'block_bad_char.xpv': sub(b0, b0[:30] + 'Z' + b0[31:]),
    'block_above_scale.xpv': sub(b0, b0[:30] + 'D' + b0[31:]),
    'block_wrong_length.xpv': sub(b0, b0[:30] + b0[31:]),
    'blocks_fewer_than_criteria.xpv': sub(b6 + '\r\n', ''),
    'sln_unknown_choice.xpv': sub('ch="4104"', 'ch="4105"'),
    'truncated_in_tag.xpv': golden[:golden.index('<crs>') + 9],
    'list_twice.xpv': golden[:dms_end] + golden[dms_start:],
    'params_twice.xpv': sub(lines_with('<params ')[0], lines_with('<params ')[0] + '\r\n' +
                            lines_with('<params ')[0].replace('sil="3"', 'sil="4"')),
    'note_twice.xpv': sub('<note>Chairs the board</note>', '<note>Chairs the board</note>\r\n<note>Leaves</note>'),
    'attribute_twice.xpv': sub('nm="Dan"', 'nm="Dan" nm="Don"'),
    'ranked_twice.xpv': sub('ch="4104"', 'ch="4103"'),
    # Control characters that XML files may not hold, raw and as references.
    'control_in_name.xpv': sub('nm="Dan"', 'nm="D\x01an"'),
    'control_in_note.xpv': sub('<note>Chairs the board</note>', '<note>Chairs\x1b the board</note>'),
    'control_reference.xpv': sub('<note>Needs a new road</note>', '<note>Needs a new&#x7; road</note>'),
}

for name, text in cases.items():
    with open(os.path.join(here, name), 'wb') as f:
        f.write(text.encode('utf-8'))
