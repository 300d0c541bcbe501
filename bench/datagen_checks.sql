-- Consistency checks for a database filled by zova_datagen:
--   mariadb <connection options> <database> < bench/datagen_checks.sql
-- Every "problems" value should be 0. "Today" is taken as the latest receipt date.

SET @today = (SELECT MAX(pagamento) FROM caixa);

SELECT 'column counts as the positional inserts expect' AS checks, COUNT(*) AS problems FROM (
  SELECT table_name, COUNT(*) AS n FROM information_schema.columns
  WHERE table_schema = DATABASE() GROUP BY table_name) c
WHERE (table_name, n) NOT IN (('clientes', 32), ('dependentes', 10), ('historico', 4), ('planos', 7),
  ('cobradores', 16), ('vendedores', 16), ('boleto', 9), ('boleto_atrasado', 9), ('boleto_fechado', 8),
  ('carne_entregue', 1), ('caixa', 9), ('adesao', 5), ('externo', 11), ('operador', 4), ('parametros', 2),
  ('log', 5), ('backups', 3), ('temporaria', 6));

WITH cpfs AS (
  SELECT cpf, REPLACE(REPLACE(cpf, '.', ''), '-', '') AS d FROM clientes
  UNION ALL SELECT cpf, REPLACE(REPLACE(cpf, '.', ''), '-', '') FROM dependentes WHERE cpf <> '   .   .   -  '
  UNION ALL SELECT cpf, REPLACE(REPLACE(cpf, '.', ''), '-', '') FROM cobradores
  UNION ALL SELECT cpf, REPLACE(REPLACE(cpf, '.', ''), '-', '') FROM vendedores),
sums AS (
  SELECT cpf, d,
    (SUBSTR(d,1,1)*10 + SUBSTR(d,2,1)*9 + SUBSTR(d,3,1)*8 + SUBSTR(d,4,1)*7 + SUBSTR(d,5,1)*6
     + SUBSTR(d,6,1)*5 + SUBSTR(d,7,1)*4 + SUBSTR(d,8,1)*3 + SUBSTR(d,9,1)*2) % 11 AS r1,
    (SUBSTR(d,1,1)*11 + SUBSTR(d,2,1)*10 + SUBSTR(d,3,1)*9 + SUBSTR(d,4,1)*8 + SUBSTR(d,5,1)*7
     + SUBSTR(d,6,1)*6 + SUBSTR(d,7,1)*5 + SUBSTR(d,8,1)*4 + SUBSTR(d,9,1)*3 + SUBSTR(d,10,1)*2) % 11 AS r2
  FROM cpfs)
SELECT 'CPFs masked, valid (modulus 11) and unique' AS checks,
  SUM(cpf NOT REGEXP '^[0-9]{3}\\.[0-9]{3}\\.[0-9]{3}-[0-9]{2}$'
      OR SUBSTR(d,10,1) <> IF(r1 < 2, 0, 11 - r1) OR SUBSTR(d,11,1) <> IF(r2 < 2, 0, 11 - r2)
      OR d REGEXP '^(.)\\1{10}$')
  + (COUNT(*) - COUNT(DISTINCT cpf)) AS problems
FROM sums;

SELECT 'holder columns: contract number, plan, masks, vocabularies' AS checks, COUNT(*) AS problems
FROM clientes c LEFT JOIN planos p ON p.id = c.seguro
WHERE c.contrato <> CONCAT(DATE_FORMAT(c.datacontrato, '%Y/%m/'), IF(c.id > 99999, c.id, LPAD(c.id, 5, '0')))
   OR p.id IS NULL OR c.pagamento <> p.nome_plano
   OR c.valorparcela <> p.valor_plano + GREATEST(p.valor_reajuste_anual, 0) * (c.carne - 1)
   OR c.telefone NOT REGEXP '^\\([0-9]{2}\\)[0-9]{5}-[0-9]{4}$'
   OR (c.celular NOT REGEXP '^\\([0-9]{2}\\)[0-9]{5}-[0-9]{4}$' AND c.celular <> '(  )     -    ')
   OR c.cep NOT REGEXP '^[0-9]{2}\\.[0-9]{3}-[0-9]{3}$'
   OR c.status NOT IN ('ATIVO', 'INATIVO') OR c.tipo NOT IN ('NOVO', 'REATIVADO', 'TRANSFERÊNCIA')
   OR c.vencimento NOT IN ('5', '10', '15', '20', '25') OR c.utilizou NOT IN ('SIM', 'NÃO')
   OR c.sexo NOT IN ('MASCULINO', 'FEMININO')
   OR c.vendedor NOT IN (SELECT nome FROM vendedores) OR c.cobrador NOT IN (SELECT nome FROM cobradores);

SELECT 'dependents: kinship, birth text, holder' AS checks, COUNT(*) AS problems
FROM dependentes d LEFT JOIN clientes c ON c.id = d.id_cliente
WHERE c.id IS NULL
   OR d.grau NOT IN ('PAI', 'MÃE', 'FILHO(A)', 'FILHO(A) SOLTEIRO(A)', 'ESPOSO(A)', 'IRMÃO(Ã)', 'TIO(A)',
      'SOBRINHO(A)', 'NETO(A)', 'BISNETO(A)', 'AVÔ(Ó)', 'CUNHADO(A)', 'SOGRO(A)', 'NORA', 'GENRO',
      'PADRASTO', 'MADRASTA', 'ENTENADO(A)', 'OUTROS', 'EXTRA')
   OR (d.nascimento <> '' AND STR_TO_DATE(d.nascimento, '%d/%m/%Y') IS NULL)
   OR d.status NOT IN ('ATIVO', 'INATIVO');

SELECT 'installment barcodes (current and pending booklets)' AS checks, COUNT(*) AS problems FROM (
  SELECT id_cliente, parcela_boleto, barcode FROM boleto
  UNION ALL SELECT id_cliente, parcela_boleto, barcode FROM boleto_atrasado) b
WHERE barcode <> CONCAT(IF(id_cliente > 999999, id_cliente, LPAD(id_cliente, 6, '0')),
  IF(parcela_boleto > 9999, parcela_boleto, LPAD(parcela_boleto, 4, '0')));

SELECT 'current booklets: 12 installments, numbered after the settled ones' AS checks, COUNT(*) AS problems
FROM (SELECT b.id_cliente, COUNT(*) AS n, MIN(parcela_boleto) AS first, MAX(parcela_boleto) AS last,
        MIN(id_boleto) AS p1, MAX(id_boleto) AS p12, c.carne, c.ultimaparcela
      FROM boleto b JOIN clientes c ON c.id = b.id_cliente GROUP BY b.id_cliente) x
WHERE n <> 12 OR p1 <> 1 OR p12 <> 12 OR last - first <> 11 OR first <> COALESCE(ultimaparcela, 0) + 1
   OR carne <> (first - 1) / 12 + 1;

SELECT 'installment states: paid ones dated and with a form, open ones not' AS checks, COUNT(*) AS problems
FROM (SELECT status_parcela_boleto s, pgto_parcela_boleto p, f_pagamento f FROM boleto
      UNION ALL SELECT status_parcela_boleto, pgto_parcela_boleto, f_pagamento FROM boleto_atrasado
      UNION ALL SELECT status_parcela_boleto, pgto_parcela_boleto, '-' FROM boleto_fechado) b
WHERE NOT ((s = 'PAGO' AND p IS NOT NULL AND f IS NOT NULL AND p <= @today)
        OR (s = 'PENDENTE' AND p IS NULL AND f IS NULL));

SELECT 'installment value = readjusted base + insurance + extra dependents' AS checks, COUNT(*) AS problems
FROM boleto b JOIN clientes c ON c.id = b.id_cliente JOIN planos p ON p.id = c.seguro
WHERE b.valor_parcela_boleto <> c.valorparcela + p.valor_seguro
      + p.valor_dep_extra * (SELECT COUNT(*) FROM dependentes d WHERE d.id_cliente = c.id AND d.grau = 'EXTRA');

SELECT 'settled booklets: last installment and month on the holder' AS checks, COUNT(*) AS problems
FROM clientes c
LEFT JOIN (SELECT id_cliente, MAX(parcela_boleto) AS last, MAX(vencimento_parcela_boleto) AS due FROM (
    SELECT id_cliente, parcela_boleto, vencimento_parcela_boleto FROM boleto_fechado
    UNION ALL SELECT id_cliente, parcela_boleto, vencimento_parcela_boleto FROM boleto_atrasado) h
  GROUP BY id_cliente) s ON s.id_cliente = c.id
WHERE NOT (c.ultimaparcela <=> s.last)
   OR NOT (c.ultimovencimento <=> LPAD(MONTH(s.due), 2, '0'));

SELECT 'every paid installment has its cash-book entry' AS checks, COUNT(*) AS problems FROM (
  SELECT id_cliente, parcela_boleto, valor_parcela_boleto, vencimento_parcela_boleto, pgto_parcela_boleto
  FROM boleto WHERE status_parcela_boleto = 'PAGO'
  UNION ALL SELECT id_cliente, parcela_boleto, valor_parcela_boleto, vencimento_parcela_boleto,
    pgto_parcela_boleto FROM boleto_fechado) p
LEFT JOIN caixa k ON k.cod_titular = p.id_cliente AND k.parcela = p.parcela_boleto
  AND k.vencimento = p.vencimento_parcela_boleto AND k.pagamento = p.pgto_parcela_boleto
  AND k.valor = p.valor_parcela_boleto AND k.moeda = 'À VISTA'
WHERE k.id IS NULL;

SELECT 'cash book totals: installments and enrolment fees' AS checks,
  (SELECT COUNT(*) FROM caixa WHERE moeda = 'À VISTA')
    - (SELECT COUNT(*) FROM boleto WHERE status_parcela_boleto = 'PAGO') - (SELECT COUNT(*) FROM boleto_fechado)
  + (SELECT SUM(valor) FROM caixa WHERE moeda = 'À VISTA')
    - (SELECT SUM(valor_parcela_boleto) FROM boleto WHERE status_parcela_boleto = 'PAGO')
    - (SELECT SUM(valor_parcela_boleto) FROM boleto_fechado)
  + (SELECT COUNT(*) FROM caixa WHERE moeda = 'DINHEIRO') - (SELECT COUNT(*) FROM adesao)
  + (SELECT SUM(valor) FROM caixa WHERE moeda = 'DINHEIRO') - (SELECT SUM(valor) FROM adesao) AS problems;

SELECT 'cash-book rows: holder, collector or seller, numbering in date order' AS checks, COUNT(*) AS problems
FROM (SELECT k.*, LAG(k.pagamento) OVER (ORDER BY k.id) AS prev, ROW_NUMBER() OVER (ORDER BY k.id) AS n
      FROM caixa k) k
JOIN clientes c ON c.id = k.cod_titular
LEFT JOIN adesao a ON a.id_cliente = k.cod_titular AND k.parcela = 0
WHERE k.id <> k.n OR k.prev > k.pagamento OR k.titular <> c.titular
   OR (k.moeda = 'À VISTA' AND (k.cobrador <> c.cobrador OR k.parcela = 0))
   OR (k.moeda = 'DINHEIRO' AND (k.cobrador <> a.vendedor OR k.cobrador <> c.vendedor
       OR k.vencimento <> a.data OR k.pagamento <> a.data));

SELECT 'activity log: numbering in time order, operators' AS checks, COUNT(*) AS problems
FROM (SELECT l.*, LAG(TIMESTAMP(data, hora)) OVER (ORDER BY codigo) AS prev,
        ROW_NUMBER() OVER (ORDER BY codigo) AS n FROM log l) l
WHERE codigo <> n OR prev > TIMESTAMP(data, hora) OR login NOT IN (SELECT Nome FROM operador);

SELECT 'the demo login' AS checks, 1 - COUNT(*) AS problems
FROM operador WHERE Nome = 'ADMINISTRADOR' AND LoginAcesso = 'admin' AND SenhaAcesso = '1234';

-- Figures worth a look rather than a fixed answer.
SELECT (SELECT COUNT(*) FROM caixa WHERE pagamento = @today) AS receipts_today,
  (SELECT COUNT(*) FROM boleto WHERE status_parcela_boleto = 'PENDENTE' AND vencimento_parcela_boleto < @today)
    AS overdue_installments,
  (SELECT ROUND(100 * AVG(status = 'INATIVO'), 1) FROM clientes) AS inactive_pct,
  (SELECT COUNT(*) FROM dependentes WHERE grau = 'EXTRA') AS extra_dependents,
  (SELECT COUNT(*) FROM clientes WHERE titular LIKE '%''%') AS names_with_apostrophe;
