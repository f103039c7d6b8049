#!/usr/bin/env python3
"""Fails when a text the tools or the reasons translate is missing from a language's catalogue.

usage: check-translations.py [ROOT]   (default: the project's root)

Reads every Tr(...) and Counted(...) call in shell/, convert/ and sync/ (the
tools' texts) and data/ and printer/ (the reasons they give, CReasonText::Tr), takes the
string literals it passes (adjacent literals joined, both branches of a
?:, but not the literals inside a {...} list of arguments, which are filled
in), and looks each one up in every translations/*_LL.ts under its context:
the catalogue context a call names first, else its folder's. A
text missing from a catalogue, or a sentence a catalogue leaves in English,
would be printed in English in that language.
"""
import ast, glob, os, re, sys
import xml.etree.ElementTree as ElementTree

# Texts a language rightly writes as English does.
SHARED_WITH_ENGLISH = {('it', 'standard input')}
FOLDER_CONTEXT = {'shell': 'dialstack-convert', 'convert': 'dialstack-convert', 'sync': 'dialstack-sync', 'data': 'Reasons', 'printer': 'Reasons'}
CALL = re.compile(r'\b(?:CToolText::)?(?:Tr|Counted)\s*\(')
LITERAL = re.compile(r'"(?:[^"\\\n]|\\.)*"')


def strip_comments(code):
    """code without its comments; string and character literals kept whole."""
    token = re.compile(r'"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'|//[^\n]*|/\*.*?\*/', re.S)
    return token.sub(lambda m: m.group(0) if m.group(0)[0] in '"\'' else ' ', code)


def call_arguments(code, start):
    """The text between the parenthesis at start and its partner, with any {...} left out."""
    depth, braces, out = 0, 0, []
    i = start
    while i < len(code):
        c = code[i]
        if c == "'":
            i = re.compile(r"'(?:[^'\\\n]|\\.)*'").match(code, i).end()
            continue
        if c == '"':
            end = LITERAL.match(code, i).end()
            if braces == 0:
                out.append(code[i:end])
            i = end
            continue
        if c == '(':
            depth += 1
        elif c == ')':
            depth -= 1
            if depth == 0:
                return ''.join(out)
        elif c == '{':
            braces += 1
        elif c == '}':
            braces -= 1
        if braces == 0 and c not in '{}' and depth > 0 and i != start:
            out.append(c)
        i += 1
    return ''.join(out)


def texts_of(arguments):
    """Each text the arguments pass: runs of adjacent literals joined."""
    texts = []
    for run in re.finditer(r'(?:%s\s*)+' % LITERAL.pattern, arguments):
        texts.append(''.join(ast.literal_eval(piece) for piece in LITERAL.findall(run.group(0))))
    return texts


def wanted_texts(root, contexts):
    wanted = set()
    for folder, context in FOLDER_CONTEXT.items():
        for path in sorted(glob.glob(os.path.join(root, folder, '*.[ch]*'))):
            code = strip_comments(open(path, encoding='utf-8').read())
            for call in CALL.finditer(code):
                texts = texts_of(call_arguments(code, call.end() - 1))
                if texts and texts[0] in contexts:
                    call_context, texts = texts[0], texts[1:]
                else:
                    call_context = context
                for text in texts:
                    wanted.add((call_context, text, os.path.relpath(path, root)))
    return wanted


def catalogue_texts(ts_files):
    """{(context, source): its translation's first form} of the .ts files."""
    have = {}
    for ts in ts_files:
        for context in ElementTree.parse(ts).getroot().iter('context'):
            name = context.findtext('name')
            for message in context.iter('message'):
                translation = message.find('translation')
                forms = [form.text for form in translation.iter('numerusform')] or [translation.text]
                have[(name, message.findtext('source'))] = forms[0]
    return have


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..')
    contexts = {context for context, _ in catalogue_texts(glob.glob(os.path.join(root, 'translations', '*.ts')))}
    wanted = wanted_texts(root, contexts)
    languages = sorted({re.sub(r'^.*_([a-zA-Z]+)\.ts$', r'\1', ts)
                        for ts in glob.glob(os.path.join(root, 'translations', '*_*.ts'))})
    missing = 0
    for language in languages:
        have = catalogue_texts(glob.glob(os.path.join(root, 'translations', '*_%s.ts' % language)))
        for context, text, path in sorted(wanted):
            if (context, text) not in have:
                print('%s: "%s" (%s) has no %s translation' % (path, text, context, language))
                missing += 1
            elif (have[(context, text)] == text and re.search(r'[a-z]{3} [a-z]{3}', text)
                  and (language, text) not in SHARED_WITH_ENGLISH):
                print('%s: "%s" (%s) is left in English in %s' % (path, text, context, language))
                missing += 1
    print('%d texts checked in %d languages' % (len(wanted), len(languages)))
    return 1 if missing or not wanted else 0


if __name__ == '__main__':
    sys.exit(main())
