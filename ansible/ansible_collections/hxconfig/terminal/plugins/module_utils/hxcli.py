# -*- coding: utf-8 -*-
# Runs hxconfig-cli for the modules: the command line is built here, the passwords travel in the
# environment or in private files, and the program's JSON Lines answer is read back.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

import json
import os
import tempfile

# The options every module takes.
COMMON_ARGUMENTS = dict(
    address=dict(type='str', required=True),
    password=dict(type='str', no_log=True),
    password_file=dict(type='path'),
    cli=dict(type='str', default='hxconfig-cli'),
    timeout=dict(type='int'),
)
COMMON_EXCLUSIVE = [('password', 'password_file')]

# Exit codes that the program documents.
EXIT_DIFFERENCES = 1
EXIT_USAGE = 2


def common_argument_spec(**extra):
    spec = dict(COMMON_ARGUMENTS)
    spec.update(extra)
    return spec


def parse_json_lines(text):
    """The objects of a JSON Lines text, in order; lines that hold no object are skipped."""
    objects = []
    for line in text.splitlines():
        line = line.strip()
        if not line.startswith('{'):
            continue
        try:
            value = json.loads(line)
        except ValueError:
            continue
        if isinstance(value, dict):
            objects.append(value)
    return objects


def set_arguments(values):
    """--set Section.Key=Value for every entry of a dict, in the key's order."""
    arguments = []
    for key in sorted(values or {}):
        value = values[key]
        if isinstance(value, bool):
            value = 'Sim' if value else u'N\u00e3o'
        arguments += ['--set', '%s=%s' % (key, '' if value is None else value)]
    return arguments


def check_values(module, values):
    for key in values or {}:
        section, dot, name = str(key).partition('.')
        if not dot or not section or not name:
            module.fail_json(msg='values: a chave %s não é Secao.Chave' % key, rc=EXIT_USAGE)


def last_message(stderr, address=None):
    """The program's last message on standard error, without the "hxconfig-cli: " and address
    prefixes, as its JSON objects give it."""
    lines = [line for line in (stderr or '').splitlines() if line.strip()]
    if not lines:
        return ''
    message = lines[-1].strip()
    for prefix in ('hxconfig-cli: ', '%s: ' % address):
        if message.startswith(prefix):
            message = message[len(prefix):]
    return message


class Cli(object):
    """One module's runs of hxconfig-cli against one terminal."""

    def __init__(self, module):
        self.module = module
        self.address = module.params['address']
        self.program = self._program(module.params['cli'])
        self._folder = None

    def _program(self, cli):
        if os.sep in cli:
            if not (os.path.isfile(cli) and os.access(cli, os.X_OK)):
                self.module.fail_json(msg='cli: %s não é um programa executável' % cli, rc=EXIT_USAGE)
            return cli
        return self.module.get_bin_path(cli, required=True)

    def private_file(self, name, text):
        """A file only its owner reads, in a folder removed when the module ends; Windows-1252, as
        the program reads a password file."""
        try:
            data = (text + '\n').encode('cp1252')
        except UnicodeEncodeError:
            self.module.fail_json(msg='%s: caractere fora do Windows-1252' % name, rc=EXIT_USAGE)
        if self._folder is None:
            self._folder = tempfile.mkdtemp(prefix='hxconfig-', dir=self.module.tmpdir)
        path = os.path.join(self._folder, name)
        descriptor = os.open(path, os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o600)
        with os.fdopen(descriptor, 'wb') as handle:
            handle.write(data)
        return path

    def connection_arguments(self):
        """--password-file and --timeout; a password given as a value goes in the environment."""
        arguments = []
        if self.module.params['password_file']:
            arguments += ['--password-file', self.module.params['password_file']]
        if self.module.params['timeout'] is not None:
            arguments += ['--timeout', str(self.module.params['timeout'])]
        return arguments

    def environment(self):
        # A new password only where the task asks for one, never one left in the host's environment.
        environment = {'HXCONFIG_NEW_PASSWORD': ''}
        if self.module.params['password']:
            environment['HXCONFIG_PASSWORD'] = self.module.params['password']
        return environment

    def run(self, command, arguments, ok_codes=(0,)):
        """Runs `hxconfig-cli COMMAND ARGUMENTS --json` and returns its objects and exit code;
        another exit code than ok_codes fails the task with the program's message and code."""
        argv = [self.program, command] + list(arguments) + self.connection_arguments() + ['--json']
        rc, out, err = self.module.run_command(argv, environ_update=self.environment(), encoding='utf-8',
                                               errors='replace')
        objects = parse_json_lines(out)
        if rc not in ok_codes:
            self.fail(rc, objects, err)
        if not objects:
            # Not the output itself: a configuration holds the terminal's password bytes.
            self.module.fail_json(msg='hxconfig-cli não respondeu com JSON (%d bytes na saída padrão): %s'
                                  % (len(out), last_message(err, self.address)), rc=rc, stderr=err,
                                  address=self.address)
        return objects, rc, err

    def fail(self, rc, objects, stderr, **extra):
        answer = objects[-1] if objects else {}
        message = answer.get('error') or last_message(stderr, self.address) or \
            'hxconfig-cli terminou com o código %d' % rc
        result = dict(msg=message, rc=answer.get('exit', rc), stderr=stderr, address=self.address)
        if objects:
            result['cli_result'] = answer
        result.update(extra)
        self.module.fail_json(**result)

    def one(self, objects):
        """The terminal's object among the program's answer (run() makes sure there is one)."""
        for candidate in objects:
            if candidate.get('address', self.address) == self.address:
                return candidate
        return objects[-1]


def field_name(change):
    return '%s.%s' % (change.get('section', ''), change.get('key', ''))


def changes_diff(address, changes):
    """Ansible's diff of a write: before and after, one field per line."""
    before = ''.join('%s: %s\n' % (field_name(c), c.get('from', '')) for c in changes)
    after = ''.join('%s: %s\n' % (field_name(c), c.get('to', '')) for c in changes)
    return dict(before=before, after=after, before_header='%s (terminal)' % address,
                after_header='%s (gravado)' % address)


def write_arguments(module, cli, check_mode):
    """The options of apply and restore that the config and restore modules share."""
    params = module.params
    arguments = set_arguments(params.get('values'))
    if params.get('new_password'):
        arguments += ['--new-password-file', cli.private_file('new-password', params['new_password'])]
    if params.get('backup_dir'):
        arguments += ['--backup-dir', params['backup_dir']]
    if not params.get('verify', True):
        arguments.append('--no-verify')
    if not params.get('reboot', True):
        arguments.append('--no-reboot')
    if check_mode:
        arguments.append('--dry-run')
    return arguments


def write_result(module, cli, answer):
    """The module's result for apply's or restore's JSON object."""
    changes = answer.get('changes') or []
    result = dict(
        changed=answer.get('result') == 'changed' or (answer.get('result') == 'dry-run' and bool(changes)),
        address=cli.address,
        result=answer.get('result', ''),
        changes=changes,
        backup=answer.get('backup', ''),
        verified=bool(answer.get('verified', False)),
    )
    if module._diff and changes:
        result['diff'] = changes_diff(cli.address, changes)
    return result


def configuration_of(answer):
    """mac and fields (Section.Key to value) of read's JSON object. Its image is left out: the
    terminal's password is among its bytes."""
    values = answer.get('values')
    if not isinstance(values, dict):
        values = dict((key, value) for key, value in answer.items() if '.' in key)
    return dict(mac=answer.get('mac', ''), fields=values)
