#!/usr/bin/python
# -*- coding: utf-8 -*-
# Writes a backup back to its terminal, or another terminal's settings with --clone.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
module: restore
short_description: Write a configuration file back to a microterminal
description:
  - Writes the image of a configuration file (a backup or a file read with C(hxconfig-cli read)) back to
    the terminal byte for byte when the file's MAC is the terminal's, through C(hxconfig-cli restore).
  - Another terminal's file is refused unless I(clone); then only the editable fields come from the
    file, the terminal keeps its MAC, its reserved bytes and its password, and I(keep_ip) or a
    C(Conexao.IPLocal) in I(values) is required so that two terminals never share an address.
  - Writes only when something changed, after a backup; reads back (I(verify)) and reboots (I(reboot)).
  - Check mode reports what would change and sends nothing that changes the terminal; diff mode shows
    each changed field before and after.
version_added: 2.0.0
author: hxconfig developers
extends_documentation_fragment:
  - hxconfig.terminal.common
options:
  file:
    description: The configuration file on the host where the task runs.
    type: path
    required: true
  clone:
    description: Accept another terminal's file and copy only its editable fields.
    type: bool
    default: false
  keep_ip:
    description: With I(clone), the terminal keeps its own IP Local.
    type: bool
    default: false
  values:
    description: C(Section.Key) to value, applied on top of the file; a boolean becomes C(Sim) or C(Não).
    type: dict
  new_password:
    description:
      - A new password, exactly 6 characters, handed to C(hxconfig-cli) in a private file.
    type: str
  backup_dir:
    description: Folder on the host where the task runs for the backup made before the write.
    type: path
  verify:
    description: Read the terminal back after the write and compare.
    type: bool
    default: true
  reboot:
    description: Unlock and reboot the terminal after the write.
    type: bool
    default: true
attributes:
  check_mode:
    support: full
  diff_mode:
    support: full
'''

EXAMPLES = r'''
- name: Put last night's backup back
  hxconfig.terminal.restore:
    address: 192.168.0.50
    password: "{{ hx_password }}"
    file: /var/backups/hxconfig/0050C2A1B2C3_20250315-101500.ini

- name: Give a replacement terminal the settings of the one it replaces
  hxconfig.terminal.restore:
    address: 192.168.0.60
    password: "{{ hx_password }}"
    file: /var/backups/hxconfig/0050C2A1B2C3_20250315-101500.ini
    clone: true
    values:
      Conexao.IPLocal: 192.168.0.50
'''

RETURN = r'''
address:
  description: The terminal's address as given.
  returned: always
  type: str
result:
  description: C(changed), C(unchanged) or, in check mode, C(dry-run).
  returned: success
  type: str
changes:
  description: The fields that changed (or would change), as the config module returns them.
  returned: success
  type: list
  elements: dict
backup:
  description: The backup file saved before the write; empty when nothing was written.
  returned: success
  type: str
verified:
  description: Whether the terminal was read back after the write and held what was sent.
  returned: success
  type: bool
rc:
  description: The exit code of hxconfig-cli; 7 for another terminal's file without I(clone).
  returned: failure
  type: int
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.hxconfig.terminal.plugins.module_utils.hxcli import (
    COMMON_EXCLUSIVE, Cli, check_values, common_argument_spec, write_arguments, write_result)


def main():
    module = AnsibleModule(
        argument_spec=common_argument_spec(
            file=dict(type='path', required=True),
            clone=dict(type='bool', default=False),
            keep_ip=dict(type='bool', default=False),
            values=dict(type='dict'),
            new_password=dict(type='str', no_log=True),
            backup_dir=dict(type='path'),
            verify=dict(type='bool', default=True),
            reboot=dict(type='bool', default=True),
        ),
        mutually_exclusive=COMMON_EXCLUSIVE,
        required_by={'keep_ip': 'clone'},
        supports_check_mode=True,
    )
    check_values(module, module.params['values'])
    cli = Cli(module)
    arguments = [cli.address, module.params['file']]
    if module.params['clone']:
        arguments.append('--clone')
    if module.params['keep_ip']:
        arguments.append('--keep-ip')
    arguments += write_arguments(module, cli, module.check_mode)
    objects, dummy, dummy = cli.run('restore', arguments)
    module.exit_json(**write_result(module, cli, cli.one(objects)))


if __name__ == '__main__':
    main()
