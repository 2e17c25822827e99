
import json
import sys
import time
from decimal import Decimal

NO_ENGINE = 3


def message(e):
    text = getattr(e, 'Message', '') or str(e)
    return '%s: %s' % (type(e).__name__, text) if text else type(e).__name__


def number_text(v):
    # shortest text that reads back as the same double, without exponent
    s = format(Decimal(repr(float(v))), 'f')
    if '.' in s:
        s = s.rstrip('0').rstrip('.')
    return '0' if s in ('-0', '') else s


def main():
    pipe, request_path, response_path = sys.argv[1:4]
    with open(request_path, encoding='utf-8') as f:
        req = json.load(f)
    try:
        import uno
        from com.sun.star.beans import PropertyValue
        from com.sun.star.lang import Locale
    except Exception as e:
        sys.stderr.write('UNO bridge not available: %s\n' % message(e))
        return NO_ENGINE

    def props(**kw):
        out = []
        for k, v in kw.items():
            p = PropertyValue()
            p.Name = k
            p.Value = v
            out.append(p)
        return tuple(out)

    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        'com.sun.star.bridge.UnoUrlResolver', local)
    deadline = time.monotonic() + float(req.get('connectTimeout', 30))
    while True:
        try:
            ctx = resolver.resolve(
                'uno:pipe,name=%s;urp;StarOffice.ComponentContext' % pipe)
            desktop = ctx.ServiceManager.createInstanceWithContext(
                'com.sun.star.frame.Desktop', ctx)
            if desktop is not None:
                break
        except Exception:
            pass
        if time.monotonic() >= deadline:
            sys.stderr.write('no connection to the engine\n')
            return NO_ENGINE
        time.sleep(0.1)
    sys.stdout.write('connected\n')
    sys.stdout.flush()

    def load(path, read_only):
        # macros and links of a bank's file never run here
        doc = desktop.loadComponentFromURL(
            uno.systemPathToFileUrl(path), '_blank', 0,
            props(Hidden=True, ReadOnly=read_only, MacroExecutionMode=0, UpdateDocMode=0))
        if doc is None:
            raise RuntimeError('cannot load %s' % path)
        if not doc.supportsService('com.sun.star.sheet.SpreadsheetDocument'):
            doc.close(True)
            raise RuntimeError('not a spreadsheet: %s' % path)
        return doc

    def dump():
        doc = load(req['source'], True)
        try:
            sheets = []
            for i in range(doc.Sheets.Count):
                sheet = doc.Sheets.getByIndex(i)
                cells = []
                # VALUE | DATETIME | STRING | FORMULA
                found = sheet.queryContentCells(1 | 2 | 4 | 16)
                for a in found.RangeAddresses:
                    block = sheet.getCellRangeByPosition(
                        a.StartColumn, a.StartRow, a.EndColumn, a.EndRow)
                    for dr, values in enumerate(block.DataArray):
                        for dc, v in enumerate(values):
                            r, c = a.StartRow + dr, a.StartColumn + dc
                            if isinstance(v, str):
                                if v != '':
                                    cells.append([r, c, 't', v])
                            elif v == v and v not in (float('inf'), float('-inf')):
                                cells.append([r, c, 'n', number_text(v)])
                sheets.append({'name': sheet.Name, 'cells': cells})
            return sheets
        finally:
            doc.close(True)

    def fill(doc):
        sheets = doc.Sheets
        formats = doc.NumberFormats
        locale = Locale()  # the engine runs in an English locale: English format codes
        keys = {}

        def key(code):
            if code not in keys:
                k = formats.queryKey(code, locale, False)
                if k == -1:
                    k = formats.addNew(code, locale)
                keys[code] = k
            return keys[code]

        stamp = 'zeran%d' % int(time.monotonic() * 1000)
        placeholders = []
        if not req['source']:
            # a new document comes with its own sheet(s); move them out of the way
            for i in range(sheets.Count):
                sheets.getByIndex(i).Name = '%s_%d' % (stamp, i)
                placeholders.append('%s_%d' % (stamp, i))
        targets = []
        for s in req['sheets']:
            targets.append(sheets.getByName(s['source']) if s['source'] else None)
        for i, (s, t) in enumerate(zip(req['sheets'], targets)):
            if t is not None and t.Name != s['name']:
                t.Name = '%s_r%d' % (stamp, i)
        for s, t in zip(req['sheets'], targets):
            if t is not None and t.Name != s['name']:
                t.Name = s['name']
        for i, s in enumerate(req['sheets']):
            if targets[i] is None:
                sheets.insertNewByName(s['name'], sheets.Count)
                targets[i] = sheets.getByName(s['name'])
        for name in placeholders:
            sheets.removeByName(name)

        for s, sheet in zip(req['sheets'], targets):
            for col, width, text in s['columns']:
                column = sheet.Columns.getByIndex(col)
                if width >= 0:
                    column.Width = width
                if text:
                    column.NumberFormat = key('@')
            run = []

            def flush():
                if run:
                    r, c0 = run[0][0], run[0][1]
                    sheet.getCellRangeByPosition(c0, r, c0 + len(run) - 1, r).DataArray = (
                        tuple(v for _, _, v in run),)
                    del run[:]

            cells = s['cells']
            for r, c, kind, value, code in cells:
                if kind == 'e':
                    flush()
                    sheet.getCellByPosition(c, r).clearContents(1 | 2 | 4 | 16)
                    continue
                v = value if kind == 't' else float(value)
                if run and (run[-1][0] != r or run[-1][1] != c - 1):
                    flush()
                run.append((r, c, v))
            flush()
            # number formats in vertical runs of one format, the usual shape of a column
            numbered = sorted((c, r, code) for r, c, kind, _, code in cells
                              if kind == 'n' and code)
            i = 0
            while i < len(numbered):
                c, r0, code = numbered[i]
                j = i
                while (j + 1 < len(numbered) and numbered[j + 1][0] == c
                       and numbered[j + 1][1] == numbered[j][1] + 1
                       and numbered[j + 1][2] == code):
                    j += 1
                sheet.getCellRangeByPosition(c, r0, c, numbered[j][1]).NumberFormat = key(code)
                i = j + 1

    def store():
        if req['source']:
            doc = load(req['source'], False)  # a private copy: see the caller
        else:
            doc = desktop.loadComponentFromURL(
                'private:factory/scalc', '_blank', 0, props(Hidden=True))
        try:
            fill(doc)
            doc.storeToURL(uno.systemPathToFileUrl(req['target']),
                           props(FilterName=req['filter'], Overwrite=True))
        finally:
            doc.close(True)

    response = {'ok': True}
    code = 0
    try:
        action = req['action']
        if action == 'dump':
            response['sheets'] = dump()
        elif action == 'store':
            store()
        elif action != 'ping':
            raise ValueError('unknown action %r' % action)
    except Exception as e:
        response = {'ok': False, 'error': message(e)}
        code = 1
    if req.get('terminate'):
        try:
            desktop.terminate()
        except Exception:
            pass  # the bridge goes down with the engine
    with open(response_path, 'w', encoding='utf-8') as f:
        json.dump(response, f, ensure_ascii=False)
    return code


sys.exit(main())
