# -*- coding: utf-8 -*-
# A fleet file (the CSV file of hxconfig-cli batch) as Ansible's inventory: one host per row.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
name: fleet
short_description: A fleet file of microterminals as the inventory
description:
  - Reads a fleet file, the CSV file of C(hxconfig-cli batch) and C(hxterm-sim --write-fleet), as the
    inventory, one host per row, named by the cell of I(name_column) or else by the row's address
    with a C(:) before a port written C(_) (C(192.168.0.77_2323)), since Ansible reads a colon in a
    host pattern as a separator.
  - Each host gets C(hx_address) (the row's address), C(hx_values) (a dict of the row's non-empty
    C(Section.Key) cells) and C(hx_password) (the row's password cell, when the file has a
    C(password) column and the cell is not empty).
  - When I(password) (for example vaulted) or I(password_file) is given, the password column is never
    exposed; every host gets that C(hx_password) (still vaulted) or C(hx_password_file) instead.
  - Cells are separated by commas or semicolons (whichever the header uses more), may be quoted, and
    the file may be UTF-8 (with or without a byte-order mark) or Windows-1252, with any line ends.
    Column names are compared ignoring case; blank rows are skipped.
  - The configuration file's name must end in C(.hxfleet.yml) or C(.hxfleet.yaml).
version_added: 2.0.0
author: hxconfig developers
extends_documentation_fragment:
  - constructed
options:
  plugin:
    description: The name of this plugin.
    required: true
    choices: ['hxconfig.terminal.fleet']
    type: str
  fleet:
    description: The fleet file; a relative path is taken from the configuration file's folder.
    required: true
    type: str
  name_column:
    description:
      - A column whose cell names the host (for example C(Terminal)); rows with an empty cell are named
        by their address.
    type: str
  group_column:
    description:
      - A column whose cell names the host's group (for example C(Grupo) or C(Loja)); a name unfit for
        a group has its other characters replaced by C(_). Hosts with an empty cell stay ungrouped.
    type: str
  password:
    description:
      - One password for every terminal, best vaulted (C(ansible-vault encrypt_string)); the file's
        password column is then ignored.
    type: str
  password_file:
    description:
      - A file on the host where the tasks run whose first line is the password, given to every host as
        C(hx_password_file); the file's password column is then ignored.
    type: str
'''

EXAMPLES = r'''
# lojas.hxfleet.yml
plugin: hxconfig.terminal.fleet
fleet: frota.csv
group_column: Loja
password: !vault |
  $ANSIBLE_VAULT;1.1;AES256
  ...
'''

import csv
import io
import os

from ansible.errors import AnsibleParserError
from ansible.inventory.group import to_safe_group_name
from ansible.module_utils.common.text.converters import to_native
from ansible.plugins.inventory import BaseInventoryPlugin, Constructable

FLEET_SUFFIXES = ('.hxfleet.yml', '.hxfleet.yaml')


def decode_fleet(data):
    """The text of a fleet file: UTF-8 after a byte-order mark, else UTF-8, else Windows-1252."""
    if data.startswith(b'\xef\xbb\xbf'):
        return data[3:].decode('utf-8')
    try:
        return data.decode('utf-8')
    except UnicodeDecodeError:
        return data.decode('cp1252', errors='replace')


def header_delimiter(text):
    """Commas or semicolons, whichever the header line holds more of."""
    header = text.replace('\r', '\n').split('\n', 1)[0]
    return ';' if header.count(';') > header.count(',') else ','


def parse_fleet(text):
    """The rows of a fleet file as (line number, dict of column name to cell), and the header."""
    reader = csv.reader(io.StringIO(text, newline=''), delimiter=header_delimiter(text), strict=True)
    try:
        rows = list(reader)
    except csv.Error as e:
        raise ValueError('linha %d: %s' % (reader.line_num, e))
    if not rows:
        raise ValueError('arquivo vazio')
    header = [name.strip() for name in rows[0]]
    lower = [name.lower() for name in header]
    if 'address' not in lower:
        raise ValueError('falta a coluna address')
    for name in set(lower):
        if name and lower.count(name) > 1:
            raise ValueError('coluna repetida: %s' % name)
    result = []
    line = 1
    for cells in rows[1:]:
        line += 1
        cells = [cell.strip() for cell in cells]
        if not any(cells):
            continue
        if len(cells) > len(header):
            raise ValueError('linha %d: valor além das colunas do cabeçalho' % line)
        row = dict((header[i], cells[i]) for i in range(len(cells)) if header[i])
        result.append((line, row))
    return header, result


def column(row, name):
    """The cell of a column named in any letter case."""
    for key, value in row.items():
        if key.lower() == name.lower():
            return value
    return ''


class InventoryModule(BaseInventoryPlugin, Constructable):

    NAME = 'hxconfig.terminal.fleet'

    def verify_file(self, path):
        return super(InventoryModule, self).verify_file(path) and path.endswith(FLEET_SUFFIXES)

    def parse(self, inventory, loader, path, cache=True):
        super(InventoryModule, self).parse(inventory, loader, path, cache)
        config = self._read_config_data(path)
        fleet = os.path.expanduser(self.get_option('fleet'))
        if not os.path.isabs(fleet):
            fleet = os.path.join(os.path.dirname(path), fleet)
        try:
            with open(fleet, 'rb') as handle:
                header, rows = parse_fleet(decode_fleet(handle.read()))
        except (IOError, OSError) as e:
            raise AnsibleParserError('%s: não foi possível ler o arquivo de frota: %s' % (fleet, to_native(e)))
        except ValueError as e:
            raise AnsibleParserError('%s: %s' % (fleet, to_native(e)))
        if not rows:
            raise AnsibleParserError('%s: nenhum terminal no arquivo de frota' % fleet)

        for option in ('name_column', 'group_column'):
            name = self.get_option(option)
            if name and name.lower() not in [known.lower() for known in header]:
                raise AnsibleParserError('%s: %s %s não é uma coluna do arquivo' % (fleet, option, name))
        name_column = self.get_option('name_column')
        group_column = self.get_option('group_column')
        # As written in the file, so that a vaulted value stays vaulted in the host's variables.
        password = config.get('password')
        password_file = self.get_option('password_file')
        strict = self.get_option('strict')
        seen = {}
        for line, row in rows:
            address = column(row, 'address')
            if not address:
                raise AnsibleParserError('%s: linha %d: falta o endereço' % (fleet, line))
            if address in seen:
                raise AnsibleParserError('%s: linhas %d e %d: o mesmo endereço %s' % (fleet, seen[address], line, address))
            seen[address] = line
            name = (name_column and column(row, name_column)) or address.replace(':', '_')
            if self.inventory.get_host(name):
                raise AnsibleParserError('%s: linha %d: o nome %s já é de outro terminal' % (fleet, line, name))
            host = self.inventory.add_host(name)
            self.inventory.set_variable(host, 'hx_address', address)
            values = dict((key, value) for key, value in row.items() if '.' in key and value != '')
            self.inventory.set_variable(host, 'hx_values', values)
            if password:
                self.inventory.set_variable(host, 'hx_password', password)
            elif password_file:
                self.inventory.set_variable(host, 'hx_password_file', password_file)
            elif column(row, 'password'):
                self.inventory.set_variable(host, 'hx_password', column(row, 'password'))
            if group_column and column(row, group_column):
                group = self.inventory.add_group(to_safe_group_name(column(row, group_column), force=True, silent=True))
                self.inventory.add_child(group, host)
            variables = self.inventory.get_host(host).get_vars()
            self._set_composite_vars(self.get_option('compose'), variables, host, strict=strict)
            self._add_host_to_composed_groups(self.get_option('groups'), variables, host, strict=strict)
            self._add_host_to_keyed_groups(self.get_option('keyed_groups'), variables, host, strict=strict)
