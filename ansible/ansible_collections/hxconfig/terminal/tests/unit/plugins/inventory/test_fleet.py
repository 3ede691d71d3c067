# -*- coding: utf-8 -*-
# The fleet file as the inventory plugin reads it: encodings, separators, quoting, line ends and
# the faults it refuses.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

import unittest

from ansible_collections.hxconfig.terminal.plugins.inventory.fleet import decode_fleet, parse_fleet


def rows_of(data):
    header, rows = parse_fleet(decode_fleet(data))
    return header, rows


class FleetFileTest(unittest.TestCase):

    def test_accepted_files(self):
        cases = [
            ('semicolons, BOM, CR LF',
             b'\xef\xbb\xbfaddress;password;Conexao.IPLocal\r\n10.0.0.1:23;abc;10.0.0.9\r\n',
             [(2, {'address': '10.0.0.1:23', 'password': 'abc', 'Conexao.IPLocal': '10.0.0.9'})]),
            ('commas and LF', b'address,Loja\n10.0.0.1,Norte\n10.0.0.2,Sul\n',
             [(2, {'address': '10.0.0.1', 'Loja': 'Norte'}), (3, {'address': '10.0.0.2', 'Loja': 'Sul'})]),
            ('CR alone', b'address;Loja\r10.0.0.1;A\r10.0.0.2;B\r',
             [(2, {'address': '10.0.0.1', 'Loja': 'A'}), (3, {'address': '10.0.0.2', 'Loja': 'B'})]),
            ('Windows-1252', b'address;Loja\n10.0.0.1;S\xe3o Paulo\n', [(2, {'address': '10.0.0.1', 'Loja': u'S\u00e3o Paulo'})]),
            ('UTF-8 without BOM', b'address;Loja\n10.0.0.1;S\xc3\xa3o Paulo\n',
             [(2, {'address': '10.0.0.1', 'Loja': u'S\u00e3o Paulo'})]),
            ('quoted separator, quote and line break',
             b'address;Gerais.Nome\n10.0.0.1;"a;b ""c""\nd"\n',
             [(2, {'address': '10.0.0.1', 'Gerais.Nome': 'a;b "c"\nd'})]),
            ('blank rows skipped, line numbers kept', b'address;Loja\n;;\n\n10.0.0.3;C\n',
             [(4, {'address': '10.0.0.3', 'Loja': 'C'})]),
            ('column names in any case', b'ADDRESS;Password\n10.0.0.1;x\n', [(2, {'ADDRESS': '10.0.0.1', 'Password': 'x'})]),
            ('short rows', b'address;Loja;Conexao.IPLocal\n10.0.0.1\n', [(2, {'address': '10.0.0.1'})]),
            ('the header decides the separator', b'address;Gerais.Nome\n10.0.0.1;a,b,c\n',
             [(2, {'address': '10.0.0.1', 'Gerais.Nome': 'a,b,c'})]),
        ]
        for name, data, expected in cases:
            with self.subTest(name):
                self.assertEqual(rows_of(data)[1], expected)

    def test_refused_files(self):
        cases = [
            ('empty', b'', 'arquivo vazio'),
            ('no address column', b'host;password\n10.0.0.1;x\n', 'falta a coluna address'),
            ('repeated column', b'address;Address\n10.0.0.1;x\n', 'coluna repetida: address'),
            ('value beyond the header', b'address;Loja\n10.0.0.1;x;y\n', u'linha 2: valor al\u00e9m das colunas do cabe\u00e7alho'),
            ('stray quote', b'address;Loja\n10.0.0.1;"a"b\n', 'linha 2:'),
        ]
        for name, data, message in cases:
            with self.subTest(name):
                with self.assertRaises(ValueError) as raised:
                    rows_of(data)
                self.assertTrue(str(raised.exception).startswith(message), str(raised.exception))


if __name__ == '__main__':
    unittest.main()
