# -*- coding: utf-8 -*-
# What the modules make of hxconfig-cli's output, and the command-line pieces they build.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

import unittest

from ansible_collections.hxconfig.terminal.plugins.module_utils.hxcli import (
    changes_diff, configuration_of, last_message, parse_json_lines, set_arguments)


class HxcliTest(unittest.TestCase):

    def test_json_lines(self):
        cases = [
            ('one object', '{"address":"a","result":"changed"}\n', [{'address': 'a', 'result': 'changed'}]),
            ('one per line, CR LF, blank lines', '{"n":1}\r\n\r\n{"n":2}\r\n', [{'n': 1}, {'n': 2}]),
            ('no line end at the end', '{"n":1}', [{'n': 1}]),
            ('text around is skipped', 'address result\n{"n":1}\nfim\n', [{'n': 1}]),
            ('a cut line is skipped', '{"n":1}\n{"n":', [{'n': 1}]),
            ('arrays are not objects', '[1,2]\n', []),
            ('nothing', '', []),
        ]
        for name, text, expected in cases:
            with self.subTest(name):
                self.assertEqual(parse_json_lines(text), expected)

    def test_last_message(self):
        cases = [
            ('prefix and address', 'hxconfig-cli: 10.0.0.1:23: leitura recusada: verifique a senha\n', '10.0.0.1:23',
             'leitura recusada: verifique a senha'),
            ('another address stays', 'hxconfig-cli: 10.0.0.2: sem resposta\n', '10.0.0.1', '10.0.0.2: sem resposta'),
            ('the last line counts', 'aviso\nhxconfig-cli: falta a senha\n\n', '10.0.0.1', 'falta a senha'),
            ('nothing', '', '10.0.0.1', ''),
        ]
        for name, stderr, address, expected in cases:
            with self.subTest(name):
                self.assertEqual(last_message(stderr, address), expected)

    def test_set_arguments(self):
        self.assertEqual(set_arguments({'Gerais.NumTerminal': 5, 'Conexao.IPLocal': '10.0.0.5', 'Gerais.LCM': True,
                                        'Gerais.TecladoTouch': False}),
                         ['--set', 'Conexao.IPLocal=10.0.0.5', '--set', 'Gerais.LCM=Sim',
                          '--set', 'Gerais.NumTerminal=5', '--set', u'Gerais.TecladoTouch=N\u00e3o'])
        self.assertEqual(set_arguments(None), [])

    def test_diff_of_changes(self):
        diff = changes_diff('10.0.0.1', [
            {'section': 'Conexao', 'key': 'IPLocal', 'from': '10.0.0.1', 'to': '10.0.0.9'},
            {'section': 'Gerais', 'key': 'NovaSenha', 'from': '', 'to': ''},
        ])
        self.assertEqual(diff['before'], 'Conexao.IPLocal: 10.0.0.1\nGerais.NovaSenha: \n')
        self.assertEqual(diff['after'], 'Conexao.IPLocal: 10.0.0.9\nGerais.NovaSenha: \n')
        self.assertEqual(diff['before_header'], '10.0.0.1 (terminal)')

    def test_configuration_leaves_the_image_out(self):
        answer = {'address': 'a', 'mac': '0050C2000001', 'image': '6b3957', 'values': {'Conexao.IPLocal': '10.0.0.1'}}
        self.assertEqual(configuration_of(answer), {'mac': '0050C2000001', 'fields': {'Conexao.IPLocal': '10.0.0.1'}})


if __name__ == '__main__':
    unittest.main()
