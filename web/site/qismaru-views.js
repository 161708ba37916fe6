// How the page draws what the C++ says: the entry list, the result table,
// the settlement, the heir buttons, the schools, the estate form and the
// help. Each function fills the page's elements from the C++'s data and
// decides nothing.
'use strict';

const qismaruViews = (function () {
  const $ = (id) => document.getElementById(id);

  function cell(tag, text) {
    const element = document.createElement(tag);
    element.textContent = text || '';
    return element;
  }

  function resultTable(table) {
    $('result-rows').replaceChildren(
      ...table.rows.map((row) => {
        const tr = document.createElement('tr');
        if (row.kind) {
          tr.dataset.kind = row.kind;
          tr.dataset.parts = row.parts;
        }
        const heir = cell('th', row.cells.name);
        heir.scope = 'row';
        tr.append(heir);
        for (const column of ['share', 'parts', 'perHead', 'percentage']) tr.append(cell('td', row.cells[column]));
        return tr;
      })
    );
    const base = $('corrected-base');
    base.textContent = table.base;
    base.dataset.total = table.base.trim();
    $('percentage-title').textContent = table.percentageTitle;
    $('totals').replaceChildren(...table.totals.map((total) => cell('li', total)));
    $('result-table').hidden = table.rows.length === 0;
  }

  function amountsTable(element, lines) {
    element.replaceChildren(
      ...lines.map((line) => {
        const tr = document.createElement('tr');
        const label = cell('th', line.label);
        label.scope = 'row';
        tr.append(label, cell('td', line.amount));
        return tr;
      })
    );
  }

  function settlement(report) {
    $('estate-result').hidden = !report;
    if (!report) return;
    $('estate-title').textContent = report.title;
    amountsTable($('estate-claims'), report.claims);
    const head = document.createElement('tr');
    head.append(...report.columns.map((title) => cell('th', title)));
    const kinds = report.kinds.map((cells) => {
      const tr = document.createElement('tr');
      tr.append(...cells.map((text) => cell('td', text)));
      return tr;
    });
    $('estate-kinds').replaceChildren(head, ...kinds);
    amountsTable($('estate-closing'), report.closing);
    $('estate-notes').replaceChildren(...report.notes.map((note) => cell('p', note)));
  }

  // The solution: the first death's steps, then each later death's under
  // its heading, and how they join in the combined base.
  function steps(view) {
    $('steps').replaceChildren(...view.steps.map((step) => cell('li', step.text)));
    const later = view.later && view.later.joined ? view.later : null;
    const parts = [];
    if (later) {
      for (const death of later.deaths) {
        const list = document.createElement('ol');
        list.append(...death.steps.map((text) => cell('li', text)));
        parts.push(cell('h4', death.heading), cell('p', death.heirs), list);
      }
      const joined = document.createElement('ol');
      joined.append(...later.combinedSteps.map((text) => cell('li', text)));
      parts.push(cell('h4', later.combined.title), joined);
    }
    $('later-steps').replaceChildren(...parts);
  }

  // The later deaths: who died, and the combined table (الجامعة), each
  // deceased's row shaded; or why they do not join.
  function laterDeaths(later) {
    $('later-result').hidden = !later;
    if (!later) return;
    $('later-refusal').hidden = later.joined;
    $('later-refusal').textContent = later.refusal;
    $('combined').hidden = !later.joined;
    if (!later.joined) return;
    const page = later.combined;
    $('combined-title').textContent = page.title;
    $('combined-deaths').replaceChildren(...page.deaths.map((death) => cell('li', death)));
    const head = document.createElement('tr');
    head.append(...page.header.map((title) => cell('th', title)));
    const rows = page.rows.map((cells, i) => {
      const tr = document.createElement('tr');
      tr.append(...cells.map((text) => cell('td', text)));
      if (page.diedAs[i] > 0) tr.className = 'died';
      return tr;
    });
    $('combined-table').replaceChildren(head, ...rows);
  }

  function grid(table, columns, rows) {
    const head = document.createElement('tr');
    head.append(...columns.map((title) => cell('th', title)));
    const body = rows.map((cells) => {
      const tr = document.createElement('tr');
      tr.append(...cells.map((text, i) => cell(i === 0 ? 'th' : 'td', text)));
      return tr;
    });
    table.replaceChildren(head, ...body);
  }

  // A case that waits: each heir's share under every outcome, what he is
  // given now and what is held back («موقوف»), the outcomes that may be
  // recorded and, once one is, its table; or the estates of those who died
  // together, each divided apart.
  function waiting(division) {
    $('waiting-result').hidden = !division;
    if (!division) return;
    amountsTable($('waiting-claims'), division.claims);
    $('waiting-division').hidden = !division.division;
    if (division.division) grid($('waiting-division'), division.division.columns, division.division.rows);
    $('waiting-provision').textContent = division.provision;
    $('outcome-row').hidden = division.outcomes.length === 0;
    $('outcome-choice').replaceChildren(
      ...division.outcomes.map((choice) => {
        const option = cell('option', choice.heading);
        option.value = choice.name;
        return option;
      })
    );
    if (division.outcome) $('outcome-choice').value = division.outcome;
    $('recorded-heading').textContent = division.recordedHeading;
    $('recorded-table').hidden = !division.recorded;
    if (division.recorded) grid($('recorded-table'), division.recorded.columns, division.recorded.rows);
    $('together-rule').textContent = division.togetherRule;
    $('together-tables').replaceChildren(
      ...division.together.flatMap((estate) => {
        const table = document.createElement('table');
        grid(table, estate.columns, estate.rows);
        const frame = document.createElement('div');
        frame.className = 'table-frame';
        frame.append(table);
        return [cell('h4', estate.heading), frame];
      })
    );
    $('waiting-title').textContent = division.together.length ? 'قسمة تركاتهم' : 'القسمة على التقادير';
  }

  function heirButtons(kinds, press) {
    $('heir-buttons').replaceChildren(
      ...kinds.map((kind) => {
        const button = document.createElement('button');
        button.type = 'button';
        button.className = 'heir';
        button.dataset.code = kind.code;
        button.textContent = kind.caption;
        button.setAttribute('aria-label', kind.name);
        button.addEventListener('click', () => press(kind.code));
        return button;
      })
    );
  }

  function schools(list) {
    $('school').replaceChildren(
      ...list.map((school) => {
        const option = document.createElement('option');
        option.value = school.key;
        option.textContent = school.name;
        return option;
      })
    );
  }

  function estateForm(words) {
    $('estate-fields').replaceChildren(
      ...words.fields.map((field, i) => {
        const label = document.createElement('label');
        label.className = 'field';
        const input = document.createElement('input');
        input.type = 'text';
        input.inputMode = 'decimal';
        input.id = 'estate-amount-' + i;
        input.placeholder = field.hint;
        input.maxLength = words.fieldLength;
        input.autocomplete = 'off';
        label.append(cell('span', field.label), input);
        return label;
      })
    );
    $('estate-consent-caption').textContent = words.consent;
    $('estate-decimals-label').textContent = words.decimalsLabel;
    $('estate-decimals').title = words.decimalsHint;
    const decimals = [];
    for (let n = words.minDecimals; n <= words.maxDecimals; ++n) decimals.push(n);
    $('estate-decimals').replaceChildren(
      ...decimals.map((n) => {
        const option = cell('option', String(n));
        option.value = n;
        return option;
      })
    );
    $('claims-note').textContent = words.claimsNote;
    $('estate-none').textContent = words.noEstate;
    $('estate-none').title = words.noEstateHint;
  }

  function help(texts) {
    $('help-kinds').replaceChildren(
      ...texts.kinds.map((kind) => {
        const details = document.createElement('details');
        details.dataset.kind = kind.code;
        details.append(cell('summary', kind.name));
        const list = document.createElement('ul');
        list.append(...kind.statements.map((statement) => cell('li', statement)));
        details.append(list);
        return details;
      })
    );
    $('help-schools').replaceChildren(
      ...texts.questions.map((question) => {
        const part = document.createElement('article');
        part.append(cell('h4', question.heading), cell('p', question.when));
        part.lastChild.className = 'when';
        const table = document.createElement('table');
        texts.schools.forEach((school, i) => {
          const tr = document.createElement('tr');
          tr.dataset.school = school.key;
          const name = cell('th', school.name);
          name.scope = 'row';
          tr.append(name, cell('td', question.holdings[i]));
          table.append(tr);
        });
        part.append(table);
        if (question.note) part.append(cell('p', question.note));
        return part;
      })
    );
  }

  function entryList(entries) {
    $('entry-list').replaceChildren(
      ...entries.map((entry) => {
        const item = document.createElement('li');
        item.dataset.kind = entry.code;
        item.dataset.count = entry.count;
        item.append(cell('span', entry.name));
        if (entry.counted) {
          const count = cell('span', String(entry.count));
          count.className = 'count';
          item.append(count);
        }
        return item;
      })
    );
  }

  return {
    cell,
    entryList,
    resultTable,
    steps,
    settlement,
    laterDeaths,
    waiting,
    heirButtons,
    schools,
    estateForm,
    help,
  };
})();
